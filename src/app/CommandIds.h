// The ids of the main view's commands: menu items and toolbar buttons, by name.
#pragma once

namespace ventrel {

// File
inline constexpr int kNew = 57600;
inline constexpr int kOpenChest = 57601;
inline constexpr int kAddChest = 32806;
inline constexpr int kSaveAllChests = 32849;
inline constexpr int kOpenOrgan = 32795;
inline constexpr int kSaveOrgan = 57603;
inline constexpr int kSaveOrganAs = 57604;
inline constexpr int kExportDxf = 32790;
inline constexpr int kExportDxfForCam = 32852;
inline constexpr int kExportWorkshopReport = 32853;
inline constexpr int kOpenPipe = 32837;
inline constexpr int kOpenCircles = 32842;
inline constexpr int kImportScenery = 32901;
inline constexpr int kExport3D = 32905;
inline constexpr int kStop = 32840;
inline constexpr int kPrint = 57607;
inline constexpr int kPrintingScale = 32771;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kQuit = 57665;
inline constexpr int kExitWithoutSave = 32831;

// Edit
inline constexpr int kCancel = 32822;
inline constexpr int kUndo = 57643;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kEditPipePositions = 32830;
inline constexpr int kEditChestPosition = 32844;

// Fonts
inline constexpr int kFontArial = 32780;
inline constexpr int kFontMsSansSerif = 32774;
inline constexpr int kFontTimes = 32773;
inline constexpr int kFontWingdings = 32779;
inline constexpr int kFontSize12 = 32776;
inline constexpr int kFontSize14 = 32777;
inline constexpr int kFontSize18 = 32778;

// View
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kDisplay3D = 32784;
inline constexpr int kDisplayChests = 32807;
inline constexpr int kVectorMode = 32793;
inline constexpr int kRotateOrgan = 32833;
inline constexpr int kResetView3D = 32785;
inline constexpr int kFitOrgan = 32854;
inline constexpr int kToggleRotationAxis = 32788;
inline constexpr int kViewFront = 32823;
inline constexpr int kViewLeft = 32824;
inline constexpr int kViewRight = 32825;
inline constexpr int kViewTop = 32826;
inline constexpr int kViewBottom = 32827;
inline constexpr int kAxes = 32809;

// Chest
inline constexpr int kDisplayInfos = 32786;
inline constexpr int kDisplayMagnetSizes = 32789;
inline constexpr int kMasqDimensions = 32792;
inline constexpr int kMasqMagnets = 32836;
inline constexpr int kRegisterWindchest = 32834;
inline constexpr int kTexture = 32794;
inline constexpr int kColor = 32805;
inline constexpr int kGrid = 32796;
inline constexpr int kLineWidth = 32843;
inline constexpr int kScaleChart = 32851;
inline constexpr int kCheckChest = 32855;

// Create
inline constexpr int kKeyboard = 32841;
inline constexpr int kPolyline = 32798;
inline constexpr int kLoft = 32829;
inline constexpr int kCreateBackground = 32828;
inline constexpr int kTower = 32808;
inline constexpr int kBar = 32797;
inline constexpr int kLineHorizontal = 32818;
inline constexpr int kLineVertical = 32820;
inline constexpr int kArc = 32819;
inline constexpr int kExtrude = 32847;
inline constexpr int kTurret = 32848;
inline constexpr int kCreatePedalboard = 32845;
inline constexpr int kWritePedalboardDxf = 32846;
inline constexpr int kStopFromScale = 32850;

// Help
inline constexpr int kUserGuide = 57670;
inline constexpr int kAbout = 57664;

// Buttons of the main toolbar without a menu entry.
inline constexpr int kRotationStepDown = 32799;
inline constexpr int kRotationStepUp = 32800;
inline constexpr int kTranslationStepDown = 32801;
inline constexpr int kTranslationStepUp = 32802;
inline constexpr int kNoAction = 32803;
inline constexpr int kPickObjects = 32804;

// The five buttons of the second toolbar, which no command handles.
inline constexpr int kSecondBar1 = 32812;
inline constexpr int kSecondBar2 = 32817;
inline constexpr int kSecondBar3 = 32813;
inline constexpr int kSecondBar4 = 32814;
inline constexpr int kSecondBar5 = 32816;

} // namespace ventrel
