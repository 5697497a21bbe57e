// The setup window's design as plain data: which controls, their kinds, captions, positions in
// twips, tab order and help topics, the popup's items and the message boxes' caption. The
// dialog owns the table; the real window builds itself from it and the test window reads the
// same positions, so no layer below the dialog repeats a caption or a rectangle.
#pragma once

#include <cstddef>
#include <optional>

#include "platform/DialogWindow.h"

namespace platform {

enum class ControlKind {
  EntryList,        // the check-box list
  PushButton,       // a button; `button` says which
  BarButton,        // a button that shows no caption (`button` says which), known by its name
  Frame,            // a captioned group frame
  WrappingLabel,    // a fixed-size label whose text wraps (the hint)
  SelfSizingLabel,  // a one-line label that fits its caption
};

struct ControlDesign {
  int id;
  ControlKind kind;
  const wchar_t* caption;
  // Relative to the control named by relativeTo, or to the client area when that is 0.
  TwipRect bounds;
  int relativeTo;
  int helpTopic;  // 0: no topic
  std::optional<Button> button;
  // What a screen reader calls a control that shows no caption of its own; nullptr for the
  // others, which it knows by their caption.
  const wchar_t* name = nullptr;
};

struct HelpTopicText {
  int topic;
  const wchar_t* text;
};

struct DialogDesign {
  const wchar_t* caption;
  // The caption of every message box.
  const wchar_t* messageTitle;
  int clientWidth;  // twips
  int clientHeight;
  // In tab order, which is also the creation and Z order.
  const ControlDesign* controls;
  std::size_t controlCount;
  // The Details popup's two check items.
  const wchar_t* filesItem;
  const wchar_t* foldersItem;
  const HelpTopicText* topics;
  std::size_t topicCount;

  const ControlDesign* begin() const { return controls; }
  const ControlDesign* end() const { return controls + controlCount; }

  // nullptr when there is no such control.
  const ControlDesign* Find(int id) const {
    for (const ControlDesign& control : *this) {
      if (control.id == id) return &control;
    }
    return nullptr;
  }
  const ControlDesign* Find(Button which) const {
    for (const ControlDesign& control : *this) {
      if (control.button == which) return &control;
    }
    return nullptr;
  }
  // The first control of that kind.
  const ControlDesign* First(ControlKind kind) const {
    for (const ControlDesign& control : *this) {
      if (control.kind == kind) return &control;
    }
    return nullptr;
  }

  // The control's bounds relative to the client area.
  TwipRect ClientBounds(const ControlDesign& control) const {
    TwipRect bounds = control.bounds;
    for (const ControlDesign* origin = Find(control.relativeTo); origin != nullptr;
         origin = Find(origin->relativeTo)) {
      bounds.left += origin->bounds.left;
      bounds.top += origin->bounds.top;
    }
    return bounds;
  }

  // The topic's text, or nullptr when there is no such topic.
  const wchar_t* TopicText(int topic) const {
    for (std::size_t i = 0; i < topicCount; ++i) {
      if (topics[i].topic == topic) return topics[i].text;
    }
    return nullptr;
  }
};

}  // namespace platform
