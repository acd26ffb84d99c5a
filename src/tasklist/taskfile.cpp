#include "taskfile.h"

#include "cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tasklist {

std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t pos = 0;
    while ((pos = bytes.find('\r', start)) != std::string_view::npos) {
        lines.push_back(bytes.substr(start, pos - start));
        start = pos + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

ReadResult readLines(const std::filesystem::path &file)
{
    ReadResult result;
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::is_regular_file(status)) {
        result.error = ec ? ec.message() : std::string("keine Datei");
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        result.error = std::strerror(errno);
        return result;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.error = "Lesefehler";
        return result;
    }
    const auto raw = splitLines(bytes);
    result.lines.reserve(raw.size());
    for (auto line : raw)
        result.lines.push_back(decodeCp1252(line));
    result.ok = true;
    return result;
}

TaskList pairLines(std::vector<std::string> lines, bool *unpaired)
{
    if (lines.size() % 2 == 1 && lines.back().empty())
        lines.pop_back();
    const bool odd = lines.size() % 2 == 1;
    if (odd)
        lines.emplace_back();
    if (unpaired)
        *unpaired = odd;
    TaskList tasks;
    tasks.pictures.reserve(lines.size() / 2);
    tasks.answers.reserve(lines.size() / 2);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
        tasks.pictures.push_back(std::move(lines[i]));
        tasks.answers.push_back(std::move(lines[i + 1]));
    }
    return tasks;
}

LoadResult loadTaskList(const std::filesystem::path &file)
{
    LoadResult result;
    ReadResult read = readLines(file);
    if (!read.ok) {
        result.error = std::move(read.error);
        return result;
    }
    result.tasks = pairLines(std::move(read.lines), &result.unpairedLastLine);
    result.ok = true;
    return result;
}

namespace {

std::string errnoText(const char *what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

bool writeAll(int fd, const std::string &data)
{
    const char *p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= std::size_t(n);
    }
    return true;
}

bool inGroup(gid_t group)
{
    if (::getegid() == group)
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(std::size_t(count), 0);
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.begin() + got;
}

// Whether the permission bits let this user write the file. Root may write
// anything, so for root the owner's bit tells whether the file was meant to
// stay as it is.
bool bitsPermitWriting(const struct stat &st)
{
    const uid_t user = ::geteuid();
    if (user == 0 || user == st.st_uid)
        return (st.st_mode & S_IWUSR) != 0;
    if (inGroup(st.st_gid))
        return (st.st_mode & S_IWGRP) != 0;
    return (st.st_mode & S_IWOTH) != 0;
}

mode_t defaultMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

WriteResult writeLines(const std::filesystem::path &file, const std::vector<std::string> &lines)
{
    WriteResult result;
    std::string data;
    std::string unmappable;
    for (const auto &line : lines) {
        if (line.find('\r') != std::string::npos) {
            result.error = "Eine Zeile enthält ein Zeilenende-Zeichen (CR).";
            return result;
        }
        data += encodeCp1252(line, &unmappable);
        data += "\r\n";
    }
    if (!unmappable.empty()) {
        result.error = "Diese Zeichen können nicht gespeichert werden: " + unmappable;
        return result;
    }

    struct stat old {};
    const bool exists = ::stat(file.c_str(), &old) == 0;
    if (exists && S_ISREG(old.st_mode) && !bitsPermitWriting(old)) {
        result.writeProtected = true;
        result.error = "Die Datei ist schreibgeschützt.";
        return result;
    }

    const std::filesystem::path dir = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    std::string tmpl = (dir / (file.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) {
        result.error = errnoText("Temporäre Datei");
        return result;
    }
    const mode_t mode = exists ? (old.st_mode & 07777) : defaultMode();
    bool ok = writeAll(fd, data);
    std::string error = ok ? std::string() : errnoText("Schreiben");
    if (ok && ::fchmod(fd, mode) != 0) {
        ok = false;
        error = errnoText("Rechte setzen");
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = errnoText("Schreiben auf den Datenträger");
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errnoText("Schließen");
    }
    if (ok && ::rename(tmpl.c_str(), file.c_str()) != 0) {
        ok = false;
        error = errnoText("Ersetzen");
    }
    if (!ok) {
        ::unlink(tmpl.c_str());
        result.error = error;
        return result;
    }
    // Make the rename itself durable.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    result.ok = true;
    return result;
}

} // namespace tasklist
