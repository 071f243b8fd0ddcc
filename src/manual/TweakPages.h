#pragma once

#include <memory>

#include "manual/CTweakPage.h"
#include "manual/TweakRow.h"
#include "ui/IMainWindow.h"

// The Manual Tweaks page of a module, not yet created as a window (see CPage::CreatePage).
std::unique_ptr<CTweakPage> CreateTweakPage(IMainWindow::Module module, IMainWindow& main);

// The constant description of a module's page.
const TweakPageTable& TweakPageTableOf(IMainWindow::Module module);
