#pragma once
// How large a picture, its file and its parts may be, and why. The metafile
// reader, the loader of task pictures and the picture import all hold to
// this one table; each limit keeps a hostile or broken file from taking the
// program's time or memory, far above anything a real task picture needs.

#include <QtGlobal>

namespace wmf::limits {

// A task picture's file, of any kind: larger ones are refused before they
// are read. No picture made for a picture box comes near it.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;
// A photo or drawing to import may be larger, as cameras write large files:
// it is decoded straight to the size it is stored at.
constexpr qint64 kMaxImportFileBytes = 256 * 1024 * 1024;
// A picture to import that declares more pixels is refused before it is
// decoded: a few bytes can claim gigabytes.
constexpr qint64 kMaxImportPixels = 100'000'000;

// A metafile's records beyond this many are not read: real pictures have a
// few thousand, and each record costs memory while the picture is shown.
constexpr int kMaxRecords = 1000000;
// Slots of the object table: a file may declare any count, but programs
// that write metafiles keep a handful of pens, brushes and fonts.
constexpr int kMaxObjects = 4096;
// Saved device contexts: a file that only saves would otherwise grow the stack without end.
constexpr int kMaxSaveDepth = 1024;
// Pixels of one bitmap in a metafile, and its longest side: enough for a
// photo at twice a picture box's size many times over.
constexpr qint64 kMaxBitmapPixels = 16 * 1024 * 1024;
constexpr int kMaxBitmapSide = 32767;

} // namespace wmf::limits
