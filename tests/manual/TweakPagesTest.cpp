#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "res/tweakpages_ids.h"
#include "support/EmulatedSystem.h"
#include "support/CRecordingMainWindow.h"
#include "support/CPixelCanvas.h"
#include "support/CPreservedFile.h"
#include "support/CRegistrySandbox.h"
#include "support/CScriptedMessages.h"
#include "support/CModalScript.h"
#include "support/CTestFolder.h"
#include "support/TestRegistry.h"
#include "support/DialogDriver.h"
#include "tweaks/CBootupTweaks.h"
#include "manual/CFileChooser.h"
#include "tweaks/CInternetTweaks.h"
#include "tweaks/CShutdownTweaks.h"
#include "tweaks/CSystemTweaks.h"
#include "manual/TweakPageRules.h"
#include "tweaks/TweakCatalogue.h"
#include "manual/TweakPages.h"

namespace {

const char kDesktopKey[] = "Control Panel\\Desktop";
const char kUserShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kPolicies[] =
    ".DEFAULT\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
const char kPriorityControl[] = "SYSTEM\\CurrentControlSet\\Control\\PriorityControl";

// Drive R: is a CD-ROM drive, Q: has no root; the rest is the system's answer.
UINT FakeDriveType(const char* root) {
    if (root[0] == 'R' || root[0] == 'r')
        return DRIVE_CDROM;
    if (root[0] == 'Q' || root[0] == 'q')
        return DRIVE_NO_ROOT_DIR;
    return GetDriveTypeA(root);
}

bool IsXP() {
    return EmulatedVersionName() == "winxp";
}

class TweakPages : public testing::Test {
protected:
    void SetUp() override {
        CTweakPage::ForgetRememberedValues();
        SetDriveTypeQuery(&FakeDriveType);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 442, 490, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
    }
    void TearDown() override {
        page_.reset();
        DestroyWindow(parent_);
        SetDriveTypeQuery(nullptr);
        CFileChooser::SetHandler(nullptr);
    }

    CTweakPage& Open(IMainWindow::Module module) {
        page_.reset();
        page_ = CreateTweakPage(module, main_);
        EXPECT_TRUE(page_->CreatePage(parent_));
        return *page_;
    }
    HWND Item(int id) const { return GetDlgItem(page_->Handle(), id); }
    // What a user does on the page: typing, leaving a field, clicking a box, a button or a text,
    // choosing from a list; and what the page shows.
    void Type(int id, const std::string& text) const { TypeText(*page_, id, text); }
    void Leave(int id) const { LeaveField(*page_, id); }
    void Click(int id) const { ToggleBox(*page_, id); }
    void Press(int id) const { ClickDialogButton(*page_, id); }
    void Select(int id, int index) const { SelectEntry(*page_, id, index); }
    int Selected(int id) const { return SelectedEntry(*page_, id); }
    std::string Text(int id) const { return ItemText(*page_, id); }
    bool Checked(int id) const { return IsChecked(*page_, id); }
    bool Enabled(int id) const { return IsItemEnabled(*page_, id); }
    std::string LastMessage() const {
        return messages_.Texts().empty() ? std::string() : messages_.Texts().back();
    }
    // Typing into a field and leaving it; a value the field refuses brings its message and
    // `shown` back into the field.
    void Enter(int id, const std::string& text) const {
        Type(id, text);
        Leave(id);
    }
    void ExpectRefused(int id, const std::string& text, const char* message,
                       const std::string& shown) const {
        Enter(id, text);
        EXPECT_EQ(LastMessage(), message) << text;
        EXPECT_EQ(Text(id), shown) << text;
    }

    CRegistrySandbox sandbox_;
    CScriptedMessages messages_;
    CRecordingMainWindow main_;
    HWND parent_ = nullptr;
    std::unique_ptr<CTweakPage> page_;
};

TEST_F(TweakPages, SystemPageChecksRemembersCommitsAndReloads) {
    StoreText(HKEY_CURRENT_USER, kDesktopKey, "HungAppTimeout", "30000");
    Open(IMainWindow::kSystem);
    EXPECT_EQ(Text(IDC_SYSTEM_TIMEOUT_EDIT), "30");
    EXPECT_FALSE(Enabled(IDC_SYSTEM_TIMEOUT_EDIT));
    EXPECT_FALSE(Enabled(IDC_SYSTEM_DOCUMENTS_BROWSE));

    // The time-out takes 1 to 50 seconds; a refusal puts the original seconds back.
    Click(IDC_SYSTEM_TIMEOUT_BOX);
    EXPECT_TRUE(Enabled(IDC_SYSTEM_TIMEOUT_EDIT));
    EXPECT_EQ(main_.counter, 0);
    Type(IDC_SYSTEM_TIMEOUT_EDIT, "51");
    EXPECT_EQ(main_.counter, 1);
    Leave(IDC_SYSTEM_TIMEOUT_EDIT);
    EXPECT_EQ(LastMessage(), "Please enter a number between\n1 to 50.");
    EXPECT_EQ(messages_.Types().back() & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_EQ(Text(IDC_SYSTEM_TIMEOUT_EDIT), "30");
    EXPECT_EQ(main_.counter, 0);
    Enter(IDC_SYSTEM_TIMEOUT_EDIT, "50");
    EXPECT_EQ(messages_.Texts().size(), 1u);
    // Away twice counts once; back to the original uncounts it.
    Type(IDC_SYSTEM_TIMEOUT_EDIT, "45");
    EXPECT_EQ(main_.counter, 1);
    Type(IDC_SYSTEM_TIMEOUT_EDIT, "30");
    EXPECT_EQ(main_.counter, 0);
    Type(IDC_SYSTEM_TIMEOUT_EDIT, "45");
    EXPECT_EQ(main_.counter, 1);

    // Unchecking shows the system's value again and remembers the typed one, also for a new
    // main window's page.
    Click(IDC_SYSTEM_TIMEOUT_BOX);
    EXPECT_EQ(Text(IDC_SYSTEM_TIMEOUT_EDIT), "30");
    EXPECT_FALSE(Enabled(IDC_SYSTEM_TIMEOUT_EDIT));
    EXPECT_EQ(main_.counter, 0);
    Open(IMainWindow::kSystem);
    Click(IDC_SYSTEM_TIMEOUT_BOX);
    EXPECT_EQ(Text(IDC_SYSTEM_TIMEOUT_EDIT), "45");
    EXPECT_EQ(main_.counter, 1);

    // Folders: no CD-ROM drive, no path without a backslash after the colon, no wild cards.
    Click(IDC_SYSTEM_DOCUMENTS_BOX);
    EXPECT_TRUE(Enabled(IDC_SYSTEM_DOCUMENTS_BROWSE));
    const std::string original = Text(IDC_SYSTEM_DOCUMENTS_EDIT);
    for (const char* refused : {"R:\\Docs", "D:foo", "Q:\\Docs", "C:\\Do*cs", ""})
        ExpectRefused(IDC_SYSTEM_DOCUMENTS_EDIT, refused,
                      "Specified path can not be used as a documents folder", original);
    const size_t shown = messages_.Texts().size();
    Enter(IDC_SYSTEM_DOCUMENTS_EDIT, "C:\\Docs");
    EXPECT_EQ(messages_.Texts().size(), shown);
    EXPECT_EQ(main_.counter, 2);

    // Browse: the chooser's title; a chosen folder replaces the text, no choice keeps it.
    std::string title;
    std::string answer = "C:\\Chosen";
    CFileChooser::SetHandler([&](CFileChooser::Kind kind, const std::string& t, std::string& path) {
        EXPECT_EQ(kind, CFileChooser::kFolder);
        title = t;
        path = answer;
        return !answer.empty();
    });
    Press(IDC_SYSTEM_DOCUMENTS_BROWSE);
    EXPECT_EQ(title, "Choose a new Folder for \"My Documents\"");
    EXPECT_EQ(Text(IDC_SYSTEM_DOCUMENTS_EDIT), "C:\\Chosen");
    answer.clear();
    Press(IDC_SYSTEM_DOCUMENTS_BROWSE);
    EXPECT_EQ(Text(IDC_SYSTEM_DOCUMENTS_EDIT), "C:\\Chosen");
    EXPECT_EQ(main_.counter, 2);

    // A click on a text shows its help.
    Press(IDC_SYSTEM_TIMEOUT_LABEL);
    std::string help;
    CSystemTweaks().GetHelpTimeout(help);
    ASSERT_EQ(main_.helpTexts.size(), 1u);
    EXPECT_EQ(main_.helpTexts.back(), help);

    // Apply writes what changed, through the module, and counts the folder as a restart item.
    EXPECT_EQ(page_->Apply(), 1);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktopKey, "HungAppTimeout").Text(), "45000");
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kUserShellFolders, "Personal").Text(), "C:\\Chosen");
    EXPECT_FALSE(ReadStored(HKEY_CURRENT_USER, kUserShellFolders, "Favorites").exists);
    EXPECT_FALSE(
        ReadStored(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Update", "UpdateMode")
            .exists);
    EXPECT_EQ(main_.counter, 0);
    EXPECT_EQ(main_.restartChanges, 1);
    EXPECT_FALSE(Checked(IDC_SYSTEM_TIMEOUT_BOX));
    EXPECT_FALSE(Enabled(IDC_SYSTEM_DOCUMENTS_EDIT));
    EXPECT_EQ(page_->Apply(), 1);
    EXPECT_EQ(main_.restartChanges, 1);

    // Cancel reads the system again.
    Click(IDC_SYSTEM_REFRESH_BOX);
    Click(IDC_SYSTEM_TIMEOUT_BOX);
    Type(IDC_SYSTEM_TIMEOUT_EDIT, "12");
    StoreText(HKEY_CURRENT_USER, kDesktopKey, "HungAppTimeout", "7000");
    page_->Load();
    EXPECT_EQ(Text(IDC_SYSTEM_TIMEOUT_EDIT), "7");
    EXPECT_FALSE(Checked(IDC_SYSTEM_TIMEOUT_BOX));
    EXPECT_FALSE(Checked(IDC_SYSTEM_REFRESH_BOX));
}

TEST_F(TweakPages, DesktopAndStartMenuFieldsAndFamilies) {
    const bool nineX = EmulatedNineX();
    Open(IMainWindow::kDesktop);
    EXPECT_EQ(Text(IDC_DESKTOP_ICONS_EDIT), "8192");
    if (nineX) {
        Click(IDC_DESKTOP_ICONS_BOX);
        ExpectRefused(IDC_DESKTOP_ICONS_EDIT, "49152", "Please enter a number below\n49152.",
                      "8192");
        Enter(IDC_DESKTOP_ICONS_EDIT, "49151");
        EXPECT_EQ(messages_.Texts().size(), 1u);
        EXPECT_EQ(main_.counter, 1);
        page_->Apply();
        EXPECT_EQ(main_.restartChanges, 1);
    }

    Open(IMainWindow::kStartMenu);
    main_.restartChanges = 0;
    const size_t before = messages_.Texts().size();
    Click(IDC_STARTMENU_SPEED_BOX);
    EXPECT_EQ(Text(IDC_STARTMENU_SPEED_EDIT), "400");
    ExpectRefused(IDC_STARTMENU_SPEED_EDIT, "1001", "Please enter a number between\n1 to 1000.",
                  "400");
    Enter(IDC_STARTMENU_SPEED_EDIT, "1000");
    EXPECT_EQ(messages_.Texts().size(), before + 1);

    const int removals[] = {IDC_STARTMENU_NOUPDATE_BOX,    IDC_STARTMENU_NODOCUMENTS_BOX,
                            IDC_STARTMENU_NOFAVORITES_BOX, IDC_STARTMENU_NOFIND_BOX,
                            IDC_STARTMENU_NORUN_BOX,       IDC_STARTMENU_NOLOGOFF_BOX,
                            IDC_STARTMENU_NOCLOSE_BOX};
    const bool xp = IsXP();
    for (int id : removals) {
        EXPECT_FALSE(Checked(id)) << id;
    }
    // Even a box that got checked somehow is never written on XP.
    Click(IDC_STARTMENU_NORUN_BOX);
    Click(IDC_STARTMENU_SORT_BOX);
    EXPECT_EQ(page_->Apply(), 1);
    EXPECT_EQ(ReadStored(HKEY_CURRENT_USER, kDesktopKey, "MenuShowDelay").Text(), "1000");
    EXPECT_EQ(KeyExists(HKEY_USERS, kPolicies), !xp);
    EXPECT_EQ(main_.restartChanges, xp ? 2 : 3);
    EXPECT_FALSE(Checked(IDC_STARTMENU_SORT_BOX));
    EXPECT_EQ(main_.counter, 0); // on XP the click on a removal box was never a change
}

TEST_F(TweakPages, InternetFieldsAndClearingButtons) {
    Open(IMainWindow::kInternet);
    EXPECT_EQ(Text(IDC_INTERNET_MTU_EDIT), "0");
    Click(IDC_INTERNET_DOWNLOADS_BOX);
    EXPECT_EQ(Text(IDC_INTERNET_DOWNLOADS_EDIT), "4");
    for (const char* refused : {"0", "31", "", "x"})
        ExpectRefused(IDC_INTERNET_DOWNLOADS_EDIT, refused,
                      "Please enter a number between\n1 to 30.", "4");
    Enter(IDC_INTERNET_DOWNLOADS_EDIT, "30");
    EXPECT_EQ(messages_.Texts().size(), 4u);

    Click(IDC_INTERNET_MTU_BOX);
    ExpectRefused(IDC_INTERNET_MTU_EDIT, "", "Please enter a number.", "0");
    Type(IDC_INTERNET_MTU_EDIT, "576");
    EXPECT_EQ(main_.counter, 2);
    EXPECT_EQ(page_->Apply(), 1);
    DWORD count = 0;
    CInternetTweaks().GetMaxConnectionsPerServer(count);
    EXPECT_EQ(count, 30u);
    EXPECT_EQ(main_.restartChanges, 1); // the tuning, not the browser's download count
    EXPECT_EQ(main_.counter, 0);
    // An entry Apply refuses and puts right to a value that still differs stays pending: the
    // page answers that Apply did not finish, so Apply and Cancel stay available.
    Click(IDC_INTERNET_MTU_BOX);
    Type(IDC_INTERNET_MTU_EDIT, "");
    EXPECT_EQ(page_->Apply(), 0);
    EXPECT_EQ(LastMessage(), "Please enter a number.");
    EXPECT_EQ(Text(IDC_INTERNET_MTU_EDIT), "0");
    EXPECT_EQ(main_.counter, 1);
    Click(IDC_INTERNET_MTU_BOX);
    EXPECT_EQ(main_.counter, 0);
    EXPECT_EQ(page_->Apply(), 1);

    // The clearing buttons ask first, and report a refused clear as a failure.
    CTestFolder cookies("cookies");
    CTestFolder::WriteFile(cookies / "a.txt", "x");
    StoreText(HKEY_CURRENT_USER, kShellFolders, "Cookies", cookies.Path());
    const size_t shown = messages_.Texts().size();
    Press(IDC_INTERNET_COOKIES);
    ASSERT_EQ(messages_.Texts().size(), shown + 1);
    EXPECT_EQ(LastMessage(), "Do you wish to delete all the Cookies in your System?");
    EXPECT_TRUE(CTestFolder::Exists(cookies / "a.txt"));
    messages_.Answer(IDYES);
    Press(IDC_INTERNET_COOKIES);
    EXPECT_EQ(LastMessage(), "Cookies Folder was successfully cleared.");
    EXPECT_FALSE(CTestFolder::Exists(cookies / "a.txt"));
    EXPECT_EQ(main_.locks, (std::vector<bool>{true, false}));
    // A cookie in use stays: the failure is shown, not the success.
    CTestFolder::WriteFile(cookies / "b.txt", "x");
    HANDLE busy = CreateFileA((cookies / "b.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    messages_.Answer(IDYES);
    Press(IDC_INTERNET_COOKIES);
    CloseHandle(busy);
    EXPECT_EQ(LastMessage(), "There was an error in clearing the Cookies Folder.");
    EXPECT_TRUE(CTestFolder::Exists(cookies / "b.txt"));

    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof(windows));
    StoreText(HKEY_CURRENT_USER, kShellFolders, "History", windows);
    messages_.Answer(IDYES);
    Press(IDC_INTERNET_HISTORY);
    EXPECT_EQ(messages_.Texts()[messages_.Texts().size() - 2],
              "Do you wish to clear your Internet History?");
    EXPECT_EQ(LastMessage(), "There was an error in clearing the History Folder.");
    StoreText(HKEY_CURRENT_USER, kShellFolders, "Cache", windows);
    messages_.Answer(IDYES);
    Press(IDC_INTERNET_TEMPFILES);
    EXPECT_EQ(LastMessage(),
              "There was an error in clearing the Temporary Internet Folder Folder.");

    Open(IMainWindow::kHardDisk);
    Press(IDC_HDD_CLEARTEMP);
    EXPECT_EQ(LastMessage(), "Do you wish to delete all the Files in\nTemporary Folder?");
}

TEST_F(TweakPages, MemoryAndHardDiskFollowTheFamily) {
    Open(IMainWindow::kMemory);
    EXPECT_EQ(Selected(IDC_MEMORY_SYSCACHE_LIST), 1);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_MEMORY_VIRTUAL_BOX)));
    if (EmulatedNT()) {
        // The box shows the opposite of the stored flag, and Apply writes the opposite back.
        StoreNumber(HKEY_LOCAL_MACHINE, kPriorityControl, "Win32PrioritySeparation", 2);
        page_->Load();
        EXPECT_FALSE(Checked(IDC_MEMORY_BACKGROUND_BOX));
        Click(IDC_MEMORY_BACKGROUND_BOX);
        page_->Apply();
        EXPECT_EQ(
            ReadStored(HKEY_LOCAL_MACHINE, kPriorityControl, "Win32PrioritySeparation").Number(),
            0u);
        StoreNumber(HKEY_LOCAL_MACHINE, kPriorityControl, "Win32PrioritySeparation", 0);
        page_->Load();
        EXPECT_TRUE(Checked(IDC_MEMORY_BACKGROUND_BOX));
    }

    Open(IMainWindow::kHardDisk);
    EXPECT_TRUE(Enabled(IDC_HDD_CLEARTEMP));
    // The disk cache's texts, its three "KB" units included, are grey where the row is off.
    for (int id : {IDC_HDD_MIN_LABEL, IDC_HDD_MIN_UNIT, IDC_HDD_MAX_UNIT, IDC_HDD_CHUNK_UNIT}) {
        RECT place = {};
        GetClientRect(Item(id), &place);
        CPixelCanvas canvas(place.right, place.bottom, RGB(255, 255, 255));
        canvas.PrintClient(Item(id));
        EXPECT_EQ(canvas.Count(RGB(0, 0, 0)) > 0, EmulatedNineX()) << id;
        EXPECT_EQ(canvas.Count(RGB(128, 128, 128)) > 0, !EmulatedNineX()) << id;
    }
    Click(IDC_HDD_VCACHE_BOX);
    if (EmulatedNineX())
        ExpectRefused(IDC_HDD_MAX_EDIT, "", "Please enter a number.", "0");
}

TEST_F(TweakPages, PictureFieldsAndTheBootMenuFile) {
    const bool nineX = EmulatedNineX();
    CPreservedFile msdos("C:\\msdos.sys");
    msdos.Write("[Options]\r\nBootMenu=0\r\n");
    Open(IMainWindow::kBootup);
    EXPECT_FALSE(IsWindowVisible(Item(IDC_BOOTUP_AUTOLOGIN_BOX)));
    if (nineX) {
        Click(IDC_BOOTUP_IMAGE_BOX);
        Enter(IDC_BOOTUP_IMAGE_EDIT, "C:\\Pictures\\START.BMP");
        EXPECT_TRUE(messages_.Texts().empty());
        ExpectRefused(IDC_BOOTUP_IMAGE_EDIT, "C:\\Pictures\\start.jpg",
                      "A bitmap file is needed for the startup image.", "");
        ExpectRefused(IDC_BOOTUP_IMAGE_EDIT, "R:\\start.bmp",
                      "Specified path can not be used as a startup image.", "");
        // Checked with an empty path, the row puts the logo back: that is a change.
        EXPECT_EQ(main_.counter, 1);
        bool asked = false;
        CFileChooser::SetHandler([&](CFileChooser::Kind kind, const std::string&, std::string&) {
            asked = kind == CFileChooser::kBitmapFile;
            return false;
        });
        Press(IDC_BOOTUP_IMAGE_BROWSE);
        EXPECT_TRUE(asked);
        EXPECT_EQ(Text(IDC_BOOTUP_IMAGE_EDIT), "");
        Click(IDC_BOOTUP_IMAGE_BOX);
        EXPECT_EQ(main_.counter, 0);

        // The empty path committed: the picture set aside comes back in place of one's own.
        CPreservedFile picture(CBootupTweaks::kStartupPicture);
        CPreservedFile saved(CBootupTweaks::kSavedStartupPicture);
        picture.Write("mine");
        saved.Write("logo");
        Click(IDC_BOOTUP_IMAGE_BOX);
        page_->Apply();
        EXPECT_EQ(CTestFolder::ReadFile(CBootupTweaks::kStartupPicture), "logo");
        EXPECT_FALSE(CTestFolder::Exists(CBootupTweaks::kSavedStartupPicture));
        EXPECT_FALSE(Checked(IDC_BOOTUP_IMAGE_BOX));
        EXPECT_EQ(main_.counter, 0);
    }
    if (!IsXP()) {
        Click(IDC_BOOTUP_BOOTMENU_BOX);
        page_->Apply();
        char value[8] = {};
        GetPrivateProfileStringA("Options", "BootMenu", "", value, sizeof(value), "C:\\msdos.sys");
        EXPECT_STREQ(value, "1");
        EXPECT_EQ(main_.restartChanges, 1);
    }

    Open(IMainWindow::kShutdown);
    if (nineX) {
        Click(IDC_SHUTDOWN_TURNOFFIMAGE_BOX);
        Enter(IDC_SHUTDOWN_TURNOFFIMAGE_EDIT, "C:\\off.gif");
        EXPECT_EQ(LastMessage(), "A bitmap file is needed for the turnoff image");
    }
}

// The picture message belongs to the page. Should the page go while it is open, Apply reports
// the failure, so that the main window writes nothing from its other pages either.
TEST_F(TweakPages, APageGoneUnderThePictureMessageEndsApply) {
    if (!EmulatedNineX())
        GTEST_SKIP() << "the pictures are replaced on the 9x family";
    CShutdownTweaks module;
    CPreservedFile picture(module.ShutdownPicture()), saved(module.SavedShutdownPicture());
    picture.Write("current");
    CTestFolder sources("sources");
    CTweakPage& page = Open(IMainWindow::kShutdown);
    const HWND pageWindow = page.Handle();
    Click(IDC_SHUTDOWN_SHUTDOWNIMAGE_BOX);
    Type(IDC_SHUTDOWN_SHUTDOWNIMAGE_EDIT, sources / "missing.bmp");
    messages_.Answer(CScriptedMessages::kShowBox);
    CModalScript gone("Torvane", [this](HWND) { DestroyWindow(parent_); });
    EXPECT_EQ(page.Apply(), 0);
    EXPECT_EQ(gone.Seen(), 1);
    ASSERT_EQ(messages_.Owners().size(), 1u);
    EXPECT_EQ(messages_.Owners()[0], pageWindow);
    EXPECT_EQ(CTestFolder::ReadFile(picture.Path()), "current");
}

// Where each row of the pages works, as fixed facts.
enum class Where { kEverywhere, kNineX, kNT, kNotXP };

bool Offered(Where where) {
    switch (where) {
    case Where::kEverywhere:
        return true;
    case Where::kNineX:
        return EmulatedNineX();
    case Where::kNT:
        return EmulatedNT();
    case Where::kNotXP:
        return !IsXP();
    }
    return false;
}

const struct {
    IMainWindow::Module module;
    Where where;
    std::vector<std::string> tweaks;
} kRowFamilies[] = {
    {IMainWindow::kSystem,
     Where::kEverywhere,
     {"Non-Responding Apps. Time Out", "Constantly Refresh Windows Explorer", "Windows Reg. Name",
      "Windows Reg. Company", "\"My Documents\" Location", "\"My Pictures\" Location",
      "\"Favorites\" Location"}},
    {IMainWindow::kDesktop,
     Where::kEverywhere,
     {"Show Windows Version on the Desktop", "\"Shortcut to\" Prefix on Shortcuts",
      "Shortcut Arrows on Shortcuts", "Smooth Fonts"}},
    {IMainWindow::kDesktop,
     Where::kNineX,
     {"\"Open With\" Option on Right Click Menus", "Icon Cache Size"}},
    {IMainWindow::kStartMenu,
     Where::kEverywhere,
     {"Start Menu Speed", "Sort Start Menu in Alphabetical order"}},
    {IMainWindow::kStartMenu,
     Where::kNotXP,
     {"Remove Windows Update from Start Menu", "Remove Documents Folder from Start Menu",
      "Remove Favorites from Start Menu", "Remove 'Find' from Start Menu",
      "Remove 'Run' from Start Menu", "Remove 'Log Off' from Start Menu",
      "Remove 'Shutdown' from Start Menu"}},
    {IMainWindow::kInternet,
     Where::kEverywhere,
     {"MTU Values", "RWIN Values", "TTL Values", "Maximum Download Count",
      "Double DNS Cache Size"}},
    {IMainWindow::kCDROM,
     Where::kEverywhere,
     {"CDROM Cache Size", "Auto Play on Audio CDs", "Auto Play on Data CDs"}},
    {IMainWindow::kHardDisk, Where::kNineX, {"File Cache Size", "VCache Size", "FIFO Option"}},
    {IMainWindow::kMemory, Where::kEverywhere, {"Auto Unload DLLs From Memory"}},
    {IMainWindow::kMemory, Where::kNineX, {"Use Swap File Wisely", "Spare Stacks"}},
    {IMainWindow::kMemory,
     Where::kNT,
     {"Improve Core System Paging", "System Cache", "Background Tasks More CPU Time"}},
    {IMainWindow::kBootup, Where::kNotXP, {"Boot Menu"}},
    {IMainWindow::kBootup,
     Where::kNineX,
     {"Auto Run Scandisk at System Startup", "Disable Drivespace driver",
      "Disable Doublespace driver", "Disable Double Buffering", "Startup Image"}},
    {IMainWindow::kShutdown,
     Where::kEverywhere,
     {"Auto Close Not Responding Applications on Shutdown"}},
    {IMainWindow::kShutdown, Where::kNineX, {"Fast Shutdown", "Shutdown Image", "Turnoff Image"}},
};

// The family a row works on, counting the rows found; null for a row of no known family.
const Where* FamilyOf(IMainWindow::Module module, const std::string& tweak, size_t& seen) {
    for (const auto& group : kRowFamilies)
        for (const std::string& name : group.tweaks)
            if (group.module == module && name == tweak)
                return ++seen, &group.where;
    return nullptr;
}

// Every row of every page on this version: offered (enabled, its text black) where it works,
// read only there (the system holds a set flag the page must not show elsewhere), and committed
// only there (Apply writes the change and takes the row's box back; elsewhere the system keeps
// its value and a box that got checked somehow stays so, unwritten).
TEST_F(TweakPages, EveryRowIsOfferedReadAndCommittedWhereItWorks) {
    CPreservedFile msdos("C:\\msdos.sys"), systemIni(CTestFolder::WindowsFile("\\System.ini")),
        winIni(CTestFolder::WindowsFile("\\win.ini"));
    msdos.Write("[Options]\r\n");
    systemIni.Write("[vcache]\r\n");
    const bool ofAFamily = EmulatedNineX() || EmulatedNT();
    size_t seen = 0;
    for (int m = 0; m < IMainWindow::kModuleCount; ++m) {
        const IMainWindow::Module module = static_cast<IMainWindow::Module>(m);
        const TweakCatalogue& catalogue = CatalogueOf(module);
        const std::unique_ptr<CRegistryAccess> worker = catalogue.createModule();
        // Every flag set in the system, whatever the family.
        for (size_t i = 0; i < catalogue.count; ++i) {
            const TweakEntry& tweak = catalogue.entries[i];
            TweakValue set;
            set.numbers[0] = tweak.inverted ? 0 : 1;
            if (tweak.set != nullptr && tweak.get != nullptr)
                tweak.set(*worker, set);
        }
        CTweakPage& page = Open(module);
        const TweakPageTable& table = page.Table();
        std::vector<bool> on(table.count, false);
        for (size_t i = 0; i < table.count; ++i) {
            const TweakRow& row = table.rows[i];
            if (row.kind == TweakKind::kAction)
                continue;
            SCOPED_TRACE(row.tweak);
            const Where* where = FamilyOf(module, row.tweak, seen);
            ASSERT_NE(where, nullptr) << "a row of no known family";
            on[i] = Offered(*where);
            EXPECT_NE(page.Tweak(i).name, nullptr);
            EXPECT_EQ(Enabled(row.box), on[i]);
            // A version of no family has nothing to read for some rows that are offered anyway.
            if (row.kind == TweakKind::kFlag && !row.unread && (!on[i] || ofAFamily)) {
                EXPECT_EQ(Checked(row.box), on[i]) << "read where it works only";
            }
            // A change on every row: the flag cleared, a boxed row checked and given another
            // value its field accepts.
            Click(row.box);
            const int field = row.fields[0];
            if (row.kind == TweakKind::kList) {
                Select(field, Selected(field) == 0 ? 1 : 0);
            } else if (row.kind == TweakKind::kNumber) {
                const std::string was = Text(field);
                DWORD number = row.rule == FieldRule::kRange ? row.low : 7;
                if (was == std::to_string(number))
                    number = row.rule == FieldRule::kRange ? row.high : 8;
                Type(field, std::to_string(number));
            } else if (row.kind == TweakKind::kText) {
                Type(field, Text(field) + "x");
            } else if (row.kind == TweakKind::kPath) {
                Type(field, Text(field) == "C:\\Tweaked" ? "C:\\Tweaked2" : "C:\\Tweaked");
            }
        }
        EXPECT_EQ(page.Apply(), 1);
        for (size_t i = 0; i < table.count; ++i) {
            const TweakRow& row = table.rows[i];
            if (row.kind == TweakKind::kAction)
                continue;
            SCOPED_TRACE(row.tweak);
            if (row.kind != TweakKind::kFlag) {
                EXPECT_EQ(Checked(row.box), !on[i]) << "committed where it works only";
            } else if (!row.unread) {
                const TweakEntry& tweak = page.Tweak(i);
                TweakValue stored;
                tweak.get(*worker, stored);
                const DWORD shown = tweak.inverted ? (stored.numbers[0] != 0 ? 0 : 1)
                                                   : (stored.numbers[0] != 0 ? 1 : 0);
                EXPECT_EQ(shown, on[i] ? 0u : 1u) << "committed where it works only";
            }
        }
    }
    size_t known = 0;
    for (const auto& group : kRowFamilies)
        known += group.tweaks.size();
    EXPECT_EQ(seen, known) << "every known row is on its page";
}

// Every row of every page: a change away counts one, the change back uncounts it, and each
// text shows a help text.
TEST_F(TweakPages, EveryRowCountsOnceAwayAndBack) {
    for (int m = 0; m < IMainWindow::kModuleCount; ++m) {
        CTweakPage& page = Open(static_cast<IMainWindow::Module>(m));
        const TweakPageTable& table = page.Table();
        for (size_t i = 0; i < table.count; ++i) {
            const TweakRow& row = table.rows[i];
            SCOPED_TRACE(testing::Message() << "page " << m << " row " << i);
            if (row.kind == TweakKind::kAction)
                continue;
            if (page.Tweak(i).help != nullptr) {
                const size_t helps = main_.helpTexts.size();
                Press(row.label);
                ASSERT_EQ(main_.helpTexts.size(), helps + 1);
                EXPECT_FALSE(main_.helpTexts.back().empty());
            }
            if (!page.IsRowOn(i)) {
                EXPECT_FALSE(Enabled(row.box));
                EXPECT_FALSE(Checked(row.box));
                continue;
            }
            EXPECT_TRUE(Enabled(row.box));
            ASSERT_EQ(main_.counter, 0);
            if (row.kind == TweakKind::kFlag) {
                Click(row.box);
                EXPECT_EQ(main_.counter, 1);
                Click(row.box);
                EXPECT_EQ(main_.counter, 0);
                continue;
            }
            // A checked picture box is a change in itself (an empty path puts the logo back).
            const int checkedCount = row.kind == TweakKind::kImage ? 1 : 0;
            Click(row.box);
            EXPECT_EQ(main_.counter, checkedCount);
            EXPECT_TRUE(Enabled(row.fields[0]));
            if (row.kind == TweakKind::kList) {
                const int was = Selected(row.fields[0]);
                Select(row.fields[0], was == 0 ? 1 : 0);
                EXPECT_EQ(main_.counter, 1);
                Select(row.fields[0], was);
                EXPECT_EQ(main_.counter, 0);
            } else {
                const std::string was = Text(row.fields[0]);
                Type(row.fields[0], row.kind == TweakKind::kNumber ? "1" + was : was + "1");
                EXPECT_EQ(main_.counter, 1);
                Type(row.fields[0], was);
                EXPECT_EQ(main_.counter, checkedCount);
                Type(row.fields[0], row.kind == TweakKind::kNumber ? "2" : "C:\\x.bmp");
            }
            Click(row.box);
            EXPECT_EQ(main_.counter, 0);
            EXPECT_FALSE(Enabled(row.fields[0]));
        }
        EXPECT_EQ(page.Apply(), 1);
        EXPECT_EQ(main_.restartChanges, 0);
    }
}

} // namespace
