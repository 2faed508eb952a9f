// Pens, brushes and fonts: plain descriptions that a drawing context reads
// when it draws.
#include "gui/Dc.h"

namespace fw {

bool CPen::CreatePen(int style, int width, COLORREF color)
{
    m_created = true;
    m_style = style;
    m_width = width < 1 ? 1 : width;
    m_color = color;
    return true;
}

bool CPen::DeleteObject()
{
    const bool wasCreated = m_created;
    m_created = false;
    return wasCreated;
}

bool CBrush::CreateSolidBrush(COLORREF color)
{
    m_created = true;
    m_color = color;
    return true;
}

bool CBrush::DeleteObject()
{
    const bool wasCreated = m_created;
    m_created = false;
    return wasCreated;
}

bool CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, unsigned char italic,
                       unsigned char underline, unsigned char strikeOut, unsigned char charSet,
                       unsigned char /*outPrecision*/, unsigned char /*clipPrecision*/,
                       unsigned char /*quality: always drawn without antialiasing*/,
                       unsigned char /*pitchAndFamily*/, const ByteString& faceName)
{
    LogFont font;
    font.height = height;
    font.width = width;
    font.escapement = escapement;
    font.orientation = orientation;
    font.weight = weight;
    font.italic = italic != 0;
    font.underline = underline != 0;
    font.strikeOut = strikeOut != 0;
    font.charSet = charSet;
    font.faceName = faceName;
    return CreateFontIndirect(font);
}

bool CFont::CreateFontIndirect(const LogFont& font)
{
    m_font = font;
    m_created = true;
    return true;
}

bool CFont::DeleteObject()
{
    const bool wasCreated = m_created;
    m_created = false;
    return wasCreated;
}

}  // namespace fw
