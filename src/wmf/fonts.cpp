#include "fonts.h"

#include "gdiconstants.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>
#include <QRawFont>
#include <QStringDecoder>

namespace wmf {

namespace {

#include "codepages.inc"

// The one place where Windows face names meet the fonts Debian ships
// (fonts-liberation2 is metric-compatible with the core Windows fonts,
// fonts-opensymbol takes Symbol's signs; DejaVu covers the rest and stands
// in for Symbol where that is missing).
struct FaceEntry {
    const char *windows;
    const char *family;
};
constexpr FaceEntry kFaces[] = {
    {"arial", "Liberation Sans"},
    {"arial narrow", "Liberation Sans"},
    {"arial black", "DejaVu Sans"},
    {"helvetica", "Liberation Sans"},
    {"helv", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},
    {"microsoft sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},
    {"ms shell dlg 2", "Liberation Sans"},
    {"system", "Liberation Sans"},
    {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},
    {"comic sans ms", "DejaVu Sans"},
    {"century gothic", "DejaVu Sans"},
    {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},
    {"tms rmn", "Liberation Serif"},
    {"ms serif", "Liberation Serif"},
    {"georgia", "DejaVu Serif"},
    {"book antiqua", "DejaVu Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
    {"lucida console", "DejaVu Sans Mono"},
    {"fixedsys", "DejaVu Sans Mono"},
    {"terminal", "DejaVu Sans Mono"},
    {"symbol", "DejaVu Sans"},
    {"mt extra", "DejaVu Sans"},
    {"wingdings", "DejaVu Sans"},
    {"webdings", "DejaVu Sans"},
};

// Symbol font codes 0x20..0xFF → Unicode (0 = same as the code).
constexpr char16_t kSymbol[224] = {
    // 0x20
    0, 0, 0x2200, 0, 0x2203, 0, 0, 0x220B, 0, 0, 0x2217, 0, 0, 0x2212, 0, 0,
    // 0x30
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x40
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B,
    0x039C, 0x039D, 0x039F,
    // 0x50
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0, 0x2234, 0,
    0x22A5, 0,
    // 0x60
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3, 0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB,
    0x03BC, 0x03BD, 0x03BF,
    // 0x70
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0, 0, 0, 0x223C, 0,
    // 0x80
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0x90
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    // 0xA0
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666, 0x2665, 0x2660, 0x2194, 0x2190,
    0x2191, 0x2192, 0x2193,
    // 0xB0
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022, 0x00F7, 0x2260, 0x2261, 0x2248, 0x2026,
    0x23D0, 0x23AF, 0x21B5,
    // 0xC0
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282,
    0x2286, 0x2208, 0x2209,
    // 0xD0
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0,
    0x21D1, 0x21D2, 0x21D3,
    // 0xE0
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C, 0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7,
    0x23A8, 0x23A9, 0x23AA,
    // 0xF0
    0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC,
    0x23AD, 0,
};

// The Wingdings signs that clip art and worksheets actually use, where the
// installed fonts have a Unicode sign for them (the medium lozenge and
// diamond, which they lack, take the full-size ones); a run of `count` codes
// maps onto as many consecutive code points (zodiac, circled numbers).
struct Glyph {
    quint8 code;
    char16_t unicode;
    quint8 count = 1;
};
constexpr Glyph kWingdings[] = {
    {0x21, 0x270F}, {0x22, 0x2702}, {0x23, 0x2701}, {0x28, 0x260E}, {0x29, 0x2706}, {0x2A, 0x2709}, {0x37, 0x2328},
    {0x3E, 0x2707}, {0x3F, 0x270D}, {0x41, 0x270C}, {0x45, 0x261C}, {0x46, 0x261E}, {0x47, 0x261D}, {0x48, 0x261F},
    {0x4A, 0x263A}, {0x4C, 0x2639}, {0x4E, 0x2620}, {0x4F, 0x2690}, {0x51, 0x2708}, {0x52, 0x263C}, {0x54, 0x2744},
    {0x56, 0x271E}, {0x58, 0x2720}, {0x59, 0x2721}, {0x5A, 0x262A}, {0x5B, 0x262F}, {0x5D, 0x2638},
    {0x5E, 0x2648, 12}, {0x6C, 0x25CF}, {0x6D, 0x274D}, {0x6E, 0x25A0}, {0x6F, 0x25A1}, {0x71, 0x2751},
    {0x72, 0x2752}, {0x73, 0x29EB}, {0x74, 0x29EB}, {0x75, 0x25C6}, {0x76, 0x2756}, {0x77, 0x25C6}, {0x78, 0x2327},
    {0x7A, 0x2318}, {0x7B, 0x2740}, {0x7C, 0x273F}, {0x7D, 0x275D}, {0x7E, 0x275E}, {0x7F, 0x25AF}, {0x80, 0x24EA},
    {0x81, 0x2460, 10}, {0x8C, 0x2776, 10}, {0x9E, 0x00B7}, {0x9F, 0x2022}, {0xA0, 0x25AA}, {0xA1, 0x25CB},
    {0xA4, 0x25C9}, {0xA5, 0x25CE}, {0xA7, 0x25AA}, {0xA8, 0x25FB}, {0xAA, 0x2726}, {0xAB, 0x2605}, {0xAC, 0x2736},
    {0xAD, 0x2734}, {0xAE, 0x2739}, {0xAF, 0x2735}, {0xB3, 0x2311}, {0xB5, 0x272A}, {0xB6, 0x2730}, {0xD5, 0x232B},
    {0xD6, 0x2326}, {0xD8, 0x27A2}, {0xDC, 0x27B2}, {0xDF, 0x2190}, {0xE0, 0x2192}, {0xE1, 0x2191}, {0xE2, 0x2193},
    {0xE8, 0x2794}, {0xEF, 0x21E6}, {0xF0, 0x21E8}, {0xF1, 0x21E7}, {0xF2, 0x21E9}, {0xF3, 0x2B04}, {0xF4, 0x21F3},
    {0xFB, 0x2718}, {0xFC, 0x2714}, {0xFD, 0x2612}, {0xFE, 0x2611},
};

QByteArray normalisedFace(const QByteArray &face)
{
    return face.trimmed().toLower();
}

// The family fontconfig gives for a face: the face itself where the system
// has it, otherwise its stand-in.
QString familyFor(const QString &face)
{
    QString found = QFontInfo(QFont(face)).family();
    const qsizetype foundry = found.indexOf(QLatin1String(" [")); // "Nimbus Roman [urw]"
    if (foundry > 0)
        found.truncate(foundry);
    return found;
}

// A face the system really has, not one fontconfig stands in for ("serif",
// "Helvetica"), which GDI would not know either.
bool isInstalled(const QString &face)
{
    return familyFor(face).compare(face, Qt::CaseInsensitive) == 0;
}

// Fonts with Symbol's signs and its pieces of tall brackets, braces and
// integrals, which formula editors stack line by line, in the order they
// are preferred: OpenSymbol (fonts-opensymbol) has the weight and the side
// bearings that formula editors' pictures are laid out for.
const QString kSymbolFamilies[] = {QStringLiteral("OpenSymbol"), QStringLiteral("Standard Symbols PS")};

const QString &symbolFamily()
{
    static const QString family = [] {
        for (const QString &candidate : kSymbolFamilies) {
            if (isInstalled(candidate))
                return candidate;
        }
        return QString();
    }();
    return family;
}

// How the installed Symbol clone takes Symbol's signs: Standard Symbols PS's
// OpenType file keeps Symbol's own codes; its Type 1 files and OpenSymbol
// take Unicode and private-use points.
enum class SymbolClone { Missing, SymbolCodes, Unicode };

SymbolClone symbolClone()
{
    static const SymbolClone clone = [] {
        if (symbolFamily().isEmpty())
            return SymbolClone::Missing;
        const QRawFont raw = QRawFont::fromFont(QFont(symbolFamily()));
        if (raw.supportsCharacter(QChar(0x2212)))
            return SymbolClone::Unicode;
        return raw.supportsCharacter(QChar(0xE9)) ? SymbolClone::SymbolCodes : SymbolClone::Missing;
    }();
    return clone;
}

// Symbol's codes 0xE6..0xFE as the private-use code points that Symbol
// clones give these pieces (0 = no piece).
char16_t symbolPiece(quint8 code)
{
    if (code == 0x60)
        return 0xF8E5; // radical extender
    if (code == 0xBD || code == 0xBE)
        return char16_t(0xF8E6 + (code - 0xBD)); // arrow extenders
    if (code >= 0xE6 && code <= 0xEF)
        return char16_t(0xF8EB + (code - 0xE6));
    if (code == 0xF4)
        return 0xF8F5;
    if (code >= 0xF6 && code <= 0xFE)
        return char16_t(0xF8F6 + (code - 0xF6));
    return 0;
}

bool isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
}

// Bytes that take the next byte along into one character.
bool isLeadByte(int codePage, quint8 b)
{
    switch (codePage) {
    case 932:
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 1361:
        return (b >= 0x84 && b <= 0xD3) || (b >= 0xD8 && b <= 0xDE) || (b >= 0xE0 && b <= 0xF9);
    default:
        return b >= 0x81 && b <= 0xFE;
    }
}

// ICU's names for the Windows tables (its plain "cp949" is IBM's, without
// the extra hangul). ICU has no Johab; that comes from its cp949 rows.
const char *decoderName(int codePage)
{
    switch (codePage) {
    case 932: return "windows-932";
    case 936: return "windows-936";
    case 950: return "windows-950";
    default: return "windows-949";
    }
}

// Johab spells hangul out in three five-bit fields: initial consonant,
// vowel, final consonant, where 1 (2 for the vowel) stands for none.
constexpr int kJohabVowel[32] = {-1, -1, -1, 0,  1,  2,  3,  4,  -1, -1, 5,  6,  7,  8,  9,  10,
                                   -1, -1, 11, 12, 13, 14, 15, 16, -1, -1, 17, 18, 19, 20, -1, -1};
// Lone consonants as compatibility jamo, offsets from U+3131.
constexpr quint8 kJamoInitial[19] = {0, 1, 3, 6, 7, 8, 16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29};
constexpr quint8 kJamoFinal[27] = {0,  1,  2,  3,  4,  5,  6,  8,  9,  10, 11, 12, 13, 14,
                                   15, 16, 17, 19, 20, 21, 22, 23, 25, 26, 27, 28, 29};

char16_t johabHangul(quint16 code)
{
    const int i = (code >> 10) & 31, m = (code >> 5) & 31, f = code & 31;
    if (i < 1 || i > 20 || (kJohabVowel[m] < 0 && m != 2) || f < 1 || f > 29 || f == 18)
        return 0xFFFD;
    const int l = i - 2, v = kJohabVowel[m], t = f >= 19 ? f - 2 : f - 1;
    if (l >= 0 && v >= 0)
        return char16_t(0xAC00 + (l * 21 + v) * 28 + t);
    if (l >= 0 && t == 0)
        return char16_t(0x3131 + kJamoInitial[l]);
    if (l < 0 && v >= 0 && t == 0)
        return char16_t(0x314F + v);
    if (l < 0 && v < 0)
        return t ? char16_t(0x3131 + kJamoFinal[t - 1]) : char16_t(0x3164);
    return 0xFFFD;
}

// Johab's symbols and hanja are the KS X 1001 rows that cp949 keeps as EUC-KR.
QString johab(quint8 lead, quint8 trail, QStringDecoder &cp949)
{
    if (lead <= 0xD3)
        return QChar(johabHangul(quint16(lead << 8 | trail)));
    const bool trailOk = (trail >= 0x31 && trail <= 0x7E) || (trail >= 0x91 && trail <= 0xFE);
    const bool jamoRow = lead == 0xDA && trail >= 0xA1 && trail <= 0xD3; // Johab spells these as hangul
    if (lead < 0xD9 || !trailOk || jamoRow)
        return QChar(0xFFFD);
    const int row = lead < 0xE0 ? 2 * (lead - 0xD9) : 2 * lead - 0x197;
    const int cell = trail < 0x91 ? trail - 0x31 : trail - 0x43;
    const char euc[2] = {char(0xA1 + row + cell / 94), char(0xA1 + cell % 94)};
    return cp949.decode(QByteArrayView(euc, 2));
}

// East Asian text: one or two bytes a character. Each unit is decoded on its
// own, so a stray lead byte costs one character and not the rest of the run.
QString decodeDoubleByte(const QByteArray &bytes, int codePage, QStringDecoder &codec, std::vector<int> *charBytes)
{
    QString out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        const quint8 b = quint8(bytes[i]);
        const int n = isLeadByte(codePage, b) && i + 1 < bytes.size() ? 2 : 1;
        const qsizetype before = out.size();
        if (b < 0x80) // ICU's Japanese table swaps some control codes
            out.append(QChar(char16_t(b)));
        else if (codePage == 1361 && n == 2)
            out.append(johab(b, quint8(bytes[i + 1]), codec));
        else
            out.append(QString(codec.decode(QByteArrayView(bytes.constData() + i, n))));
        if (out.size() == before)
            out.append(QChar(0xFFFD));
        if (charBytes) { // the unit's bytes go with its first character
            charBytes->push_back(n);
            charBytes->resize(size_t(out.size()), 0);
        }
        i += n;
    }
    return out;
}

} // namespace

QString substituteFamily(const QByteArray &faceName, quint8 pitchAndFamily)
{
    const QByteArray key = normalisedFace(faceName);
    if (key == "symbol" && symbolClone() != SymbolClone::Missing)
        return symbolFamily();
    for (const FaceEntry &e : kFaces) {
        if (key == e.windows)
            return QString::fromLatin1(e.family);
    }
    // GDI goes by the face name first; pitch and family only choose a stand-in
    // for a face it does not have. Without either, fontconfig may know better,
    // unless what it offers writes in symbols (for Impact, say, a dingbat font).
    const QString face = QString::fromLatin1(faceName.trimmed());
    if (!face.isEmpty()) {
        const QString found = familyFor(face);
        if (found.compare(face, Qt::CaseInsensitive) == 0
            || ((pitchAndFamily & (FAMILY_MASK | PITCH_MASK)) == 0
                && !QFontDatabase::writingSystems(found).contains(QFontDatabase::Symbol)))
            return face;
    }
    const int family = pitchAndFamily & FAMILY_MASK;
    if (family == FF_ROMAN)
        return QStringLiteral("Liberation Serif");
    if (family == FF_MODERN || (pitchAndFamily & PITCH_MASK) == FIXED_PITCH)
        return QStringLiteral("Liberation Mono");
    return QStringLiteral("Liberation Sans");
}

bool takesSymbolCodes(const QByteArray &faceName)
{
    return normalisedFace(faceName) == "symbol" && symbolClone() == SymbolClone::SymbolCodes;
}

SymbolFace symbolFace(const QByteArray &faceName)
{
    const QByteArray key = normalisedFace(faceName);
    if (key == "symbol" || key == "mt extra")
        return SymbolFace::Symbol;
    if (key.startsWith("wingdings") || key == "webdings")
        return SymbolFace::Wingdings;
    return SymbolFace::None;
}

int codePageForCharSet(quint8 charSet)
{
    switch (charSet) {
    case ANSI_CHARSET:
    case DEFAULT_CHARSET: // German Windows writes cp1252
    case OEM_CHARSET:     // near enough for letters
        return 1252;
    case SYMBOL_CHARSET:
        return 0;
    case EASTEUROPE_CHARSET:
        return 1250;
    case RUSSIAN_CHARSET:
        return 1251;
    case GREEK_CHARSET:
        return 1253;
    case TURKISH_CHARSET:
        return 1254;
    case BALTIC_CHARSET:
        return 1257;
    case HEBREW_CHARSET:
        return 1255;
    case ARABIC_CHARSET:
        return 1256;
    case VIETNAMESE_CHARSET:
        return 1258;
    case THAI_CHARSET:
        return 874;
    case SHIFTJIS_CHARSET:
        return 932;
    case HANGUL_CHARSET:
        return 949;
    case JOHAB_CHARSET:
        return 1361;
    case GB2312_CHARSET:
        return 936;
    case CHINESEBIG5_CHARSET:
        return 950;
    default:
        return -1;
    }
}

QString decodeText(const QByteArray &bytes, quint8 charSet, const QByteArray &faceName, std::vector<int> *charBytes)
{
    if (charBytes)
        charBytes->clear();
    QString out;
    out.reserve(bytes.size());
    const SymbolFace sym = symbolFace(faceName);
    const int codePage = codePageForCharSet(charSet);
    if (sym == SymbolFace::None && isDoubleByte(codePage)) {
        QStringDecoder codec(decoderName(codePage), QStringConverter::Flag::Stateless);
        if (codec.isValid()) // Qt without ICU: the bytes as Latin-1, as before
            return decodeDoubleByte(bytes, codePage, codec, charBytes);
    }
    if (charBytes)
        charBytes->assign(size_t(bytes.size()), 1);
    if (sym == SymbolFace::Symbol) {
        const bool clone = normalisedFace(faceName) == "symbol" && symbolClone() != SymbolClone::Missing;
        for (char c : bytes) {
            const quint8 b = quint8(c);
            char16_t u = clone ? symbolPiece(b) : 0;
            if (!u && b >= 0x20)
                u = kSymbol[b - 0x20];
            out.append(QChar(u ? u : char16_t(b)));
        }
        return out;
    }
    if (sym == SymbolFace::Wingdings) {
        for (char c : bytes) {
            const quint8 b = quint8(c);
            char16_t u = 0x25A1; // white square for signs without a stand-in
            for (const Glyph &g : kWingdings) {
                if (b >= g.code && b - g.code < g.count) {
                    u = char16_t(g.unicode + (b - g.code));
                    break;
                }
            }
            out.append(b == 0x20 ? QChar(u' ') : QChar(u));
        }
        return out;
    }
    if (codePage == 1256) {
        QStringDecoder codec("windows-1256", QStringConverter::Flag::Stateless);
        if (codec.isValid()) // Qt without ICU: the bytes as Latin-1, as for the double-byte sets
            return codec.decode(bytes);
    }
    const char16_t *upper = nullptr;
    switch (codePage) {
    case 1250: upper = kCp1250; break;
    case 1251: upper = kCp1251; break;
    case 1252: upper = kCp1252; break;
    case 1253: upper = kCp1253; break;
    case 1254: upper = kCp1254; break;
    case 1255: upper = kCp1255; break;
    case 1257: upper = kCp1257; break;
    case 1258: upper = kCp1258; break;
    case 874: upper = kCp874; break;
    default: break;
    }
    for (char c : bytes) {
        const quint8 b = quint8(c);
        if (b < 0x80 || !upper)
            out.append(QChar(char16_t(b)));
        else
            out.append(QChar(upper[b - 0x80]));
    }
    return out;
}

} // namespace wmf
