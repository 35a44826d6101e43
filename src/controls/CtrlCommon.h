// CtrlCommon: drawing helpers the terminal's controls share.
#pragma once

#include "ui/Gdi.h"

class CtrlCommon {
public:
    // A drop-down triangle centred in rect, in the form text colour: pointing down when down is
    // nonzero (else up), filled when filled is nonzero (else filled with the form background
    // colour inside its outline). Its base is half the rectangle's width (at least 3 pixels, an
    // odd number so that it has a tip), its height half its base, rounded up. Nothing is drawn
    // into a rectangle too small to hold it.
    static void DrawTriangle(CDC* dc, CRect rect, int filled, int down);
};
