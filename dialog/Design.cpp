#include "dialog/Design.h"

#include "dialog/ControlIds.h"
#include "dialog/HelpTopics.h"
#include "dialog/Texts.h"

namespace design {

namespace {

using platform::Button;
using platform::ControlKind;

// In tab order; the list has the focus when the dialog opens. Positions in twips, relative to
// the client area except the hint's, which is relative to its frame.
constexpr platform::ControlDesign kControls[] = {
    // The list is known by the instruction above it.
    {IDC_LIST,
     ControlKind::EntryList,
     L"",
     {360, 480, 2415, 1320},
     0,
     help::kEntryListTopic,
     {},
     texts::kInstructionCaption},
    {IDC_INSTALL,
     ControlKind::PushButton,
     texts::kInstallCaption,
     {2880, 480, 1095, 375},
     0,
     help::kInstallTopic,
     Button::Install},
    {IDC_EXIT,
     ControlKind::PushButton,
     texts::kExitCaption,
     {2880, 1440, 1095, 375},
     0,
     help::kExitTopic,
     Button::Exit},
    {IDC_UNINSTALL,
     ControlKind::PushButton,
     texts::kUninstallCaption,
     {2880, 960, 1095, 375},
     0,
     help::kUninstallTopic,
     Button::Uninstall},
    {IDC_FRAME,
     ControlKind::Frame,
     texts::kHintFrameCaption,
     {240, 1920, 3735, 1095},
     0,
     help::kHintTopic,
     {}},
    {IDC_HINT,
     ControlKind::WrappingLabel,
     L"",
     {240, 240, 3375, 735},
     IDC_FRAME,
     help::kHintTopic,
     {}},
    {IDC_DETAILS,
     ControlKind::PushButton,
     texts::kDetailsCaption,
     {2805, 2580, 1095, 375},
     0,
     help::kDetailsTopic,
     Button::Details},
    {IDC_INSTRUCTION,
     ControlKind::SelfSizingLabel,
     texts::kInstructionCaption,
     {240, 120, 3345, 180},
     0,
     help::kNoTopic,
     {}},
    // The select-all bar left of the list has no caption; screen readers say what it does.
    {IDC_ALLSELECT,
     ControlKind::BarButton,
     L"",
     {240, 480, 135, 1335},
     0,
     help::kSelectAllTopic,
     Button::AllSelect,
     texts::kSelectAllName},
};

constexpr platform::DialogDesign kDesign{texts::kWindowCaption,
                                         texts::kMessageTitle,
                                         4080,
                                         3150,
                                         kControls,
                                         sizeof(kControls) / sizeof(kControls[0]),
                                         texts::kApplyToFiles,
                                         texts::kApplyToFolders,
                                         help::kTopics,
                                         sizeof(help::kTopics) / sizeof(help::kTopics[0])};

}  // namespace

const platform::DialogDesign& SetupDialog() {
  return kDesign;
}

}  // namespace design
