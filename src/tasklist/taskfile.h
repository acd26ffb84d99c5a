#pragma once
// The task list file: pairs of lines (picture file name, answer text) in
// Windows-1252 with CR LF line ends. All strings handed out are UTF-8.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tasklist {

inline constexpr std::string_view kTaskListFileName = "REVAZE.INI";

// Splits raw bytes into lines. A line ends at CR LF or at a CR not followed
// by LF; a LF after no CR is an ordinary character; the last line may lack
// its end. Nothing is trimmed.
std::vector<std::string_view> splitLines(std::string_view bytes);

struct ReadResult {
    bool ok = false;
    std::string error;               // why the file could not be read
    std::vector<std::string> lines;  // decoded, in file order
};

// Reads every line of a task list file. Anything but a readable regular
// file (missing, no permission, a folder of that name) is a failure.
ReadResult readLines(const std::filesystem::path &file);

struct TaskList {
    std::vector<std::string> pictures;  // entry k-1 belongs to task k
    std::vector<std::string> answers;
    std::size_t count() const { return pictures.size(); }
};

struct LoadResult {
    bool ok = false;
    std::string error;
    TaskList tasks;
    // The file ended after a picture line: that task got an empty answer.
    bool unpairedLastLine = false;
};

// Pairs the lines of a task list file. One empty line after the last
// complete pair is a leftover of hand editing and is dropped silently.
LoadResult loadTaskList(const std::filesystem::path &file);
TaskList pairLines(std::vector<std::string> lines, bool *unpaired);

struct WriteResult {
    bool ok = false;
    // The file's permission bits forbid writing it; nothing was written.
    bool writeProtected = false;
    std::string error;  // the reason, for the user
};

// Replaces the file atomically with the lines, each ending in CR LF:
// a temporary file in the same folder is written, flushed, synced and
// renamed over the old one, whose permissions it takes over. Lines with
// characters Windows-1252 cannot hold, or with a CR, are refused and
// nothing is written; any failure leaves the old file as it was. A file
// whose permission bits do not let this user write it is left alone too,
// though the rename would only need the folder's permission; for root the
// owner's write bit decides.
WriteResult writeLines(const std::filesystem::path &file, const std::vector<std::string> &lines);

} // namespace tasklist
