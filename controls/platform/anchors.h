#pragma once

// Anchors: a control keeps its distances to the edges of its parent that it
// is anchored to while the parent is resized, as controls on a resizable form
// do. Anchored left and right it grows with the parent's width; anchored
// right only it moves with the right edge; likewise for top and bottom. The
// distances are those the control and its parent have when it is anchored.

#include <QFlags>
#include <cstdint>

class QWidget;

enum TAnchor : uint8_t { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchor)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchors)

inline constexpr TAnchors kAnchoredAll = akLeft | akTop | akRight | akBottom;

// Anchors `control` (which has a parent) to the given edges of its parent.
void SetAnchors(QWidget* control, TAnchors anchors);
