#include "tweaks/CBootupTweaks.h"

#include <string>

#include "tweaks/HelpText.h"
#include "tweaks/PictureSwap.h"

template class CTweakModule<CBootupTweaks>;

namespace {

const char kOptions[] = "Options";
// Every key of msdos.sys is read into a buffer of this many characters.
const DWORD kOptionChars = 4;

const char kWorksOnNineX[] = "Windows 95/98/ME";
const char kNotApplicable[] = "Not Applicable.";
const char kNotChecked[] = "This option is not checked.";
// The three start-up drivers share their advice: try without the driver, and load it again if
// anything goes wrong.
const char kDriverRecommendation[] =
    "Check this option and restart Windows. If errors appear afterwards, uncheck it again and "
    "restart.";

int ReadOption(const char* key, const char* defaultText) {
    return CRegistryAccess::ReadProfileNumber(CRegistryAccess::kMsdosSysPath, kOptions, key,
                                              kOptionChars, defaultText);
}

// A driver key is 0 when the driver is not loaded; the flag says "disabled".
DWORD DriverDisabled(const char* key) {
    return ReadOption(key, "1") == 0 ? 1 : 0;
}

const char* DriverKeyText(DWORD disabled) {
    return disabled == 1 ? "0" : "1";
}

} // namespace

void CBootupTweaks::ExchangeFields(CArchive& archive) {
    archive.Exchange(bootMenu);
    archive.Exchange(changeStartupImage);
    archive.Exchange(startupImagePath);
    archive.Exchange(autoscan);
    archive.Exchange(reservedFlag1);
    archive.Exchange(reservedText1);
    archive.Exchange(reservedText2);
    archive.Exchange(disableDrvSpace);
    archive.Exchange(disableDblSpace);
    archive.Exchange(disableDoubleBuffer);
    archive.Exchange(reservedFlag2);
}

BOOL CBootupTweaks::WriteOptions(std::initializer_list<std::pair<const char*, std::string>> keys) {
    const DWORD attributes = UnprotectFile(kMsdosSysPath);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    BOOL written = TRUE;
    for (const auto& key : keys) {
        if (!WriteProfileText(kMsdosSysPath, kOptions, key.first, key.second.c_str())) {
            written = FALSE;
            break;
        }
    }
    // Protected again exactly as it was, also after a failed write: Windows must not find its
    // start-up file unprotected.
    ReprotectFile(kMsdosSysPath, attributes);
    return written;
}

BOOL CBootupTweaks::GetBootMenu(DWORD& enabled) {
    enabled = ReadOption("BootMenu", "0") != 0 ? 1 : 0;
    return TRUE;
}

BOOL CBootupTweaks::SetBootMenu(DWORD value) {
    return WriteOptions(
        {{"BootMenu", std::to_string(value)}, {"BootKeys", "1"}, {"BootMenuDelay", "15"}});
}

BOOL CBootupTweaks::GetAutoscan(DWORD& enabled) {
    enabled = ReadOption("Autoscan", "0") != 0 ? 1 : 0;
    return TRUE;
}

BOOL CBootupTweaks::SetAutoscan(DWORD enabled) {
    return WriteOptions({{"Autoscan", enabled == 1 ? "2" : "0"}});
}

BOOL CBootupTweaks::GetDrvSpace(DWORD& disabled) {
    disabled = DriverDisabled("DrvSpace");
    return TRUE;
}

BOOL CBootupTweaks::SetDrvSpace(DWORD disabled) {
    return WriteOptions({{"DrvSpace", DriverKeyText(disabled)}});
}

BOOL CBootupTweaks::GetDblSpace(DWORD& disabled) {
    disabled = DriverDisabled("DblSpace");
    return TRUE;
}

BOOL CBootupTweaks::SetDblSpace(DWORD disabled) {
    return WriteOptions({{"DblSpace", DriverKeyText(disabled)}});
}

BOOL CBootupTweaks::GetDoubleBuffer(DWORD& disabled) {
    disabled = DriverDisabled("DoubleBuffer");
    return TRUE;
}

BOOL CBootupTweaks::SetDoubleBuffer(DWORD disabled) {
    return WriteOptions({{"DoubleBuffer", DriverKeyText(disabled)}});
}

BOOL CBootupTweaks::SetStartupImage(DWORD change, const std::string& path) {
    SwapPicture(change, path, kStartupPicture, kSavedStartupPicture,
                "Error in creating file for Startup image.\nThe Startup image will not be "
                "replaced.",
                ReportOwner());
    return TRUE;
}

BOOL CBootupTweaks::GetHelpBootMenu(std::string& text) {
    text = BuildHelpText(
        {"Boot Menu Help",
         "Windows can show a menu while the computer starts, from which you choose how Windows "
         "starts: normally, in safe mode, at the command prompt or with a log of every step.",
         "The menu waits for your choice and so makes every start-up longer. Leave it off unless "
         "you often need one of the other start-up modes.",
         "Check this option to show the bootup menu.\n-- Uncheck this option to not show the "
         "bootup menu.",
         kNotChecked, "95/98/ME/NT/2000"});
    return TRUE;
}

BOOL CBootupTweaks::GetHelpStartupImage(std::string& text) {
    text = BuildHelpText(
        {"Windows Startup Image Help",
         "The picture Windows shows while it starts can be replaced by one of your own. The new "
         "picture must be a bitmap of 320 x 400 and 256 colors.",
         "Design your own bitmap in a paint program if you would like to see a different picture "
         "every time Windows starts.",
         "Check to input a path pointing to the new bitmap file.\n-- Check the option and leave "
         "path blank to restore the default Windows logo.",
         kNotApplicable, kWorksOnNineX});
    return TRUE;
}

BOOL CBootupTweaks::GetHelpAutoScandisk(std::string& text) {
    text = BuildHelpText(
        {"Auto Run Scandisk Help",
         "Scandisk can check your hard disk for errors every time Windows starts. This keeps the "
         "disk healthy, but every start-up takes longer.",
         "There is no need for it unless your hard disk is ageing or shows signs of failing.",
         "Check this option to have Scandisk check your hard disk every time your computer boots "
         "up.\n-- Uncheck this option to not run Scandisk when booting up.",
         kNotChecked, kWorksOnNineX});
    return TRUE;
}

BOOL CBootupTweaks::GetHelpDrivespace(std::string& text) {
    text = BuildHelpText({"Drivespace Help",
                          "Drivespace is an old driver for compressed disks that Windows loads "
                          "at start-up for compatibility. Most computers no longer need it, and "
                          "not loading it saves memory and start-up time.",
                          kDriverRecommendation,
                          "Check this option to disable loading the Drivespace driver "
                          "(program).\n-- Uncheck this option to load Drivespace at bootup.",
                          kNotChecked, kWorksOnNineX});
    return TRUE;
}

BOOL CBootupTweaks::GetHelpDoublespace(std::string& text) {
    text = BuildHelpText({"Doublespace Help",
                          "Doublespace is the older of the two compressed-disk drivers, still "
                          "loaded at start-up in case a disk was compressed with it. Without "
                          "such a disk the driver only takes memory and start-up time.",
                          kDriverRecommendation,
                          "Check this option to disable loading the Doublespace driver "
                          "(program).\n-- Uncheck this option to load Doublespace at bootup.",
                          kNotChecked, kWorksOnNineX});
    return TRUE;
}

BOOL CBootupTweaks::GetHelpDoubleBuffering(std::string& text) {
    text = BuildHelpText({"Double Buffering Help",
                          "Double buffering is an old driver that Windows loads at start-up for "
                          "compatibility with some older disk controllers. Most computers no "
                          "longer need it, and not loading it saves memory and start-up time.",
                          kDriverRecommendation,
                          "Check this option to disable loading the Double Buffering driver "
                          "(program).\n-- Uncheck this option to load Double Buffering at "
                          "bootup.",
                          kNotChecked, kWorksOnNineX});
    return TRUE;
}
