#include "controls/CtrlCommon.h"

#include <algorithm>

#include "orvmenu/FormColor.h"

namespace {
constexpr int kFormBackColor = 52;
constexpr int kFormTextColor = 54;
}  // namespace

void CtrlCommon::DrawTriangle(CDC* dc, CRect rect, int filled, int down) {
    if (dc == nullptr) return;
    const int base = std::max(3, (rect.Width() / 2) | 1);
    const int height = (base + 1) / 2;
    if (rect.Width() < base || rect.Height() < height) return;
    const int left = rect.left + (rect.Width() - base) / 2;
    const int top = rect.top + (rect.Height() - height) / 2;
    const int right = left + base - 1;
    const int tipX = left + base / 2;
    const int baseY = down != 0 ? top : top + height - 1;
    const int tipY = down != 0 ? top + height - 1 : top;
    const CPoint points[] = {{left, baseY}, {right, baseY}, {tipX, tipY}};

    const orv::Color color = CFormColor::GetFormColor(kFormTextColor);
    CPen pen;
    pen.CreatePen(orv::ui::kPsSolid, 1, color);
    CBrush brush;
    brush.CreateSolidBrush(filled != 0 ? color : CFormColor::GetFormColor(kFormBackColor));
    const CSelection penSelected(*dc, &pen);
    const CSelection brushSelected(*dc, &brush);
    dc->Polygon(points, 3);
}
