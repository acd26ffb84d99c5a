#pragma once
// Windows-1252, the 8-bit encoding of task list files, through Qt's codec.
// Its table keeps the five bytes the code page leaves undefined (81 8D 8F
// 90 9D) as the C1 characters of the same value, as Windows itself does, so
// every byte survives a read and a write.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tasklist {

QString decodeCp1252(QByteArrayView bytes);

// Characters the code page cannot hold are collected (each once, in order of
// appearance) in `unmappable`; the bytes are only meaningful when it stays empty.
QByteArray encodeCp1252(QStringView text, QString *unmappable);

// The capital of each letter where Windows-1252 has one (ä → Ä, š → Š,
// ÿ → Ÿ); ß and µ, whose capitals the code page lacks, stay as they are.
QString upperCp1252(QStringView text);

} // namespace tasklist
