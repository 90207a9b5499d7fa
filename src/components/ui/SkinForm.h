#pragma once
// Skins every control of a window by its kind, in the window's control order: buttons with
// `buttonSection`, skinned labels with "label", frames (group boxes) with "Frame", check boxes
// with "chechbox", option buttons with "Radio", tab strips (a tab bar of its own, not the one
// inside a tab control) with "tab". Other controls keep their look. A failure is passed to
// the caller; the controls skinned before it stay skinned.

#include <QString>

class QWidget;
class SkinControl;

void skinControlsByKind(SkinControl& skin, QWidget* form, const QString& buttonSection);
