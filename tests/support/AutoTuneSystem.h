#pragma once

#include <gtest/gtest.h>

#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CTestFolder.h"
#include "support/ReportedMemory.h"

// A system for the analysers to read and Auto Tune to commit to: a registry of its own,
// System.ini and msdos.sys holding their sections only, a machine of 64 MB (32 MB free); the
// files and the memory are put back afterwards.
class AutoTuneSystem : public testing::Test {
protected:
    AutoTuneSystem() {
        systemIni_.Write("[vcache]\r\n");
        msdos_.Write("[Options]\r\n");
    }

    CRegistrySandbox sandbox_;
    CPreservedFile systemIni_{CTestFolder::WindowsFile("\\System.ini")};
    CPreservedFile msdos_{"C:\\msdos.sys"};
    CMachineMemory memory_{64 * kMegabyte};
};
