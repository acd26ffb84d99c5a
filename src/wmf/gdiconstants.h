// The GDI values metafile records carry, under their [MS-WMF] names.
#pragma once

#include <QtGlobal>

namespace wmf {

// MapMode
enum MapMode {
    MM_TEXT = 1,
    MM_LOMETRIC = 2,
    MM_HIMETRIC = 3,
    MM_LOENGLISH = 4,
    MM_HIENGLISH = 5,
    MM_TWIPS = 6,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

// BackgroundMode
enum { TRANSPARENT = 1, OPAQUE = 2 };

// PolyFillMode
enum { ALTERNATE = 1, WINDING = 2 };

// StretchMode
enum { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };

// FloodFill
enum { FLOODFILLBORDER = 0, FLOODFILLSURFACE = 1 };

// ColorUsage
enum { DIB_RGB_COLORS = 0, DIB_PAL_COLORS = 1, DIB_PAL_INDICES = 2 };

// Compression of a DIB
enum { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_JPEG = 4, BI_PNG = 5 };

// BrushStyle
enum {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
    BS_INDEXED = 4,
    BS_DIBPATTERN = 5,
    BS_DIBPATTERNPT = 6,
};

// HatchStyle
enum { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };

// PenStyle: the line style in the low nibble, end caps and joins above it.
enum {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
    PS_USERSTYLE = 7,
    PS_ALTERNATE = 8,
    PS_STYLE_MASK = 0x000F,
    PS_ENDCAP_ROUND = 0x0000,
    PS_ENDCAP_SQUARE = 0x0100,
    PS_ENDCAP_FLAT = 0x0200,
    PS_ENDCAP_MASK = 0x0F00,
    PS_JOIN_ROUND = 0x0000,
    PS_JOIN_BEVEL = 0x1000,
    PS_JOIN_MITER = 0x2000,
    PS_JOIN_MASK = 0xF000,
};

// BinaryRasterOperation (SETROP2)
enum {
    R2_BLACK = 1,
    R2_NOTMERGEPEN = 2,
    R2_MASKNOTPEN = 3,
    R2_NOTCOPYPEN = 4,
    R2_MASKPENNOT = 5,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_NOTMASKPEN = 8,
    R2_MASKPEN = 9,
    R2_NOTXORPEN = 10,
    R2_NOP = 11,
    R2_MERGENOTPEN = 12,
    R2_COPYPEN = 13,
    R2_MERGEPENNOT = 14,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};

// TernaryRasterOperation: the operation index, bits 16..23 of the 32-bit
// code, which alone decides what a blit does.
namespace rop3 {
enum : int {
    BLACKNESS = 0x00,
    NOTSRCERASE = 0x11,
    DSNA = 0x22,        // destination where the source is 0
    NOTSRCCOPY = 0x33,
    SRCERASE = 0x44,
    DSTINVERT = 0x55,
    PATINVERT = 0x5A,
    SRCINVERT = 0x66,
    SRCAND = 0x88,
    D = 0xAA,           // destination unchanged
    PN = 0x0F,          // inverted brush
    PSDPXAX = 0xB8,     // brush where the source is 1, destination where it is 0
    MERGEPAINT = 0xBB,
    MERGECOPY = 0xC0,
    SRCCOPY = 0xCC,
    DSPDXAX = 0xE2,     // brush where the source is 0, destination where it is 1
    SRCPAINT = 0xEE,
    PATCOPY = 0xF0,
    WHITENESS = 0xFF,
};
inline int index(quint32 rop) { return int((rop >> 16) & 0xFF); }
} // namespace rop3
constexpr quint32 SRCCOPY = 0x00CC0020; // the whole code, as SETDIBTODEV implies it

// TextAlignmentMode: TA_CENTER holds TA_RIGHT's bit and TA_BASELINE TA_BOTTOM's,
// so alignments are compared whole after masking.
enum {
    TA_NOUPDATECP = 0,
    TA_UPDATECP = 1,
    TA_LEFT = 0,
    TA_RIGHT = 2,
    TA_CENTER = 6,
    TA_TOP = 0,
    TA_BOTTOM = 8,
    TA_BASELINE = 24,
};

// ExtTextOutOptions
enum { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004, ETO_PDY = 0x2000 };

// CharacterSet
enum {
    ANSI_CHARSET = 0,
    DEFAULT_CHARSET = 1,
    SYMBOL_CHARSET = 2,
    SHIFTJIS_CHARSET = 128,
    HANGUL_CHARSET = 129,
    JOHAB_CHARSET = 130,
    GB2312_CHARSET = 134,
    CHINESEBIG5_CHARSET = 136,
    GREEK_CHARSET = 161,
    TURKISH_CHARSET = 162,
    VIETNAMESE_CHARSET = 163,
    HEBREW_CHARSET = 177,
    ARABIC_CHARSET = 178,
    BALTIC_CHARSET = 186,
    RUSSIAN_CHARSET = 204,
    THAI_CHARSET = 222,
    EASTEUROPE_CHARSET = 238,
    OEM_CHARSET = 255,
};

// PitchFont and FamilyFont, the two halves of a LOGFONT's pitch-and-family byte.
enum { DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
enum { FF_DONTCARE = 0x00, FF_ROMAN = 0x10, FF_SWISS = 0x20, FF_MODERN = 0x30, FF_SCRIPT = 0x40, FF_DECORATIVE = 0x50 };

// The LOGFONT weight a weight of 0 stands for.
enum { FW_NORMAL = 400 };

// MetafileEscapes that tools name.
enum { MFCOMMENT = 0x000F, SETMITERLIMIT = 0x0017 };

// A ColorRef with this top byte names an entry of the selected palette.
constexpr quint32 PALETTEINDEX = 0x01000000;

// Masks of the LOGFONT pitch-and-family byte.
enum { PITCH_MASK = 0x03, FAMILY_MASK = 0xF0 };

} // namespace wmf
