#include "export/file_replacement.h"

#include <QRandomGenerator>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>
#include <tuple>
#include <vector>

namespace tavrel::exporting {
namespace {

namespace fs = std::filesystem;

// As many links as the system follows before it gives up.
constexpr int kMostLinks = 40;

// A pipe's reader is usually started together with the export; without one by then, the export
// gives up instead of waiting for ever.
constexpr auto kReaderWait = std::chrono::seconds(5);
constexpr auto kReaderPoll = std::chrono::milliseconds(20);

constexpr char kAccessAcl[] = "system.posix_acl_access";

// The file a name stands for, each symbolic link followed, so that a link stays a link and the
// file it leads to is written; a dangling link's file is made where the link points.
fs::path followLinks(fs::path path, int& error)
{
    for (int links = 0; links <= kMostLinks; ++links) {
        std::error_code failed;
        if (!fs::is_symlink(fs::symlink_status(path, failed))) return path;
        const fs::path target = fs::read_symlink(path, failed);
        if (failed) {
            error = failed.value();
            return {};
        }
        path = path.parent_path() / target;  // an absolute target replaces the folder
    }
    error = ELOOP;
    return {};
}

int writeAll(int fd, const QByteArray& content)
{
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written =
            ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return errno;
        // A short write means the disk or the file size limit was reached; the next one says why.
        done += written;
    }
    return 0;
}

// A reader that goes away makes the write fail with "Broken pipe" instead of ending the program.
class BrokenPipeReported {
public:
    BrokenPipeReported()
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignore, &previous_);
    }
    ~BrokenPipeReported() { ::sigaction(SIGPIPE, &previous_, nullptr); }
    BrokenPipeReported(const BrokenPipeReported&) = delete;
    BrokenPipeReported& operator=(const BrokenPipeReported&) = delete;

private:
    struct sigaction previous_ {};
};

// A pipe or a device such as /dev/null takes the bytes where it is: there is nothing to
// replace, and a file renamed over it would put a plain file in its place.
int writeInPlace(const fs::path& target, const QByteArray& content, bool pipe)
{
    const auto giveUp = std::chrono::steady_clock::now() + kReaderWait;
    int fd = -1;
    // Without O_NONBLOCK, opening a pipe waits for a reader for ever.
    while ((fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)) < 0) {
        if (errno == EINTR) continue;
        if (!pipe || errno != ENXIO) return errno;
        if (std::chrono::steady_clock::now() >= giveUp) return kNoReader;
        std::this_thread::sleep_for(kReaderPoll);
    }
    // Once open, a slow reader is waited for, as by any program writing into a pipe.
    int error = ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0 ? 0 : errno;
    if (error == 0) {
        const BrokenPipeReported reported;
        error = writeAll(fd, content);
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

// The temporary file the ending signals remove before the program ends with them: its name and
// its folder's open descriptor, so that removing it takes only calls a handler may make. The
// program writes one file at a time.
struct SignalCleanup {
    std::atomic<bool> armed{false};
    int folder = -1;
    char name[NAME_MAX + 1] = {};
};
SignalCleanup cleanup;

// Every signal a program may catch whose default ends it: those a user sends, those of timers,
// limits and other programs, the faults, and the real-time ones.
constexpr int kEndingSignals[] = {SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT,
                                  SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV, SIGUSR2, SIGPIPE,
                                  SIGALRM,   SIGTERM, SIGSTKFLT, SIGXCPU, SIGXFSZ, SIGVTALRM,
                                  SIGPROF,   SIGIO,   SIGPWR,  SIGSYS};
struct sigaction previousActions[NSIG];

template <typename Call>
void forEachEndingSignal(Call call)
{
    for (const int signal : kEndingSignals) call(signal);
    for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) call(signal);
}

extern "C" void removeTemporaryAndEnd(int signal)
{
    if (cleanup.armed.load()) ::unlinkat(cleanup.folder, cleanup.name, 0);
    ::sigaction(signal, &previousActions[signal], nullptr);
    // Delivered once the handler returns, with the action it had before: usually the end.
    ::raise(signal);
}

// While it lives, the ending signals remove the temporary file first. A signal that is
// ignored (as SIGHUP under nohup) stays ignored.
class RemovedOnSignal {
public:
    RemovedOnSignal(int folder, const std::string& name)
    {
        cleanup.folder = folder;
        std::memcpy(cleanup.name, name.c_str(), name.size() + 1);
        cleanup.armed.store(true);
        struct sigaction handler {};
        handler.sa_handler = removeTemporaryAndEnd;
        sigfillset(&handler.sa_mask);
        forEachEndingSignal([&handler](int signal) {
            ::sigaction(signal, nullptr, &previousActions[signal]);
            if (previousActions[signal].sa_handler != SIG_IGN)
                ::sigaction(signal, &handler, nullptr);
        });
    }
    ~RemovedOnSignal()
    {
        cleanup.armed.store(false);
        forEachEndingSignal(
            [](int signal) { ::sigaction(signal, &previousActions[signal], nullptr); });
    }
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;
};

// A temporary file is named ".NAME.RANDOM", hidden beside the target, RANDOM being this many of
// these characters.
constexpr std::string_view kRandomCharacters = "0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t kRandomLength = 8;

// ".NAME.", NAME shortened, at the start of a character, where the whole temporary name would
// pass the folder's limit on a name.
std::string temporaryPrefix(const std::string& name, int folder)
{
    const long limit = ::fpathconf(folder, _PC_NAME_MAX);
    const std::size_t longest = limit > 0 && limit < NAME_MAX ? std::size_t(limit) : NAME_MAX;
    const std::size_t room = longest > kRandomLength + 2 ? longest - kRandomLength - 2 : 0;
    std::size_t kept = std::min(name.size(), room);
    while (kept > 0 && kept < name.size() && (name[kept] & 0xC0) == 0x80) --kept;
    return "." + name.substr(0, kept) + ".";
}

std::string temporaryName(const std::string& prefix)
{
    std::string random(kRandomLength, '0');
    for (char& character : random)
        character = kRandomCharacters[std::size_t(
            QRandomGenerator::global()->bounded(int(kRandomCharacters.size())))];
    return prefix + random;
}

bool isTemporaryOf(std::string_view name, const std::string& prefix)
{
    return name.size() == prefix.size() + kRandomLength && name.starts_with(prefix) &&
           name.find_first_not_of(kRandomCharacters, prefix.size()) == std::string_view::npos;
}

// An export ended by SIGKILL, or by the machine going down, had no chance to remove its
// temporary file. The next export of the same target removes those of this user that have
// not changed for a minute, so that an export still running beside it keeps its own.
constexpr auto kStaleAfter = std::chrono::minutes(1);

void removeStaleTemporaries(int folder, const std::string& prefix)
{
    // A folder that may be written but not listed keeps them.
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* entries = ::fdopendir(listing);
    if (!entries) {
        ::close(listing);
        return;
    }
    const auto now = std::chrono::system_clock::now();
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (!isTemporaryOf(entry->d_name, prefix) ||
            ::fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const auto changed = std::chrono::system_clock::from_time_t(status.st_mtime);
        if (S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && now - changed > kStaleAfter)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

// Extended attributes, the access ACL among them, as far as the system lets this user set them.
void copyAttributes(const fs::path& from, int to)
{
    const ssize_t listed = ::listxattr(from.c_str(), nullptr, 0);
    std::vector<char> names(listed > 0 ? std::size_t(listed) : 0);
    const ssize_t length =
        names.empty() ? 0 : ::listxattr(from.c_str(), names.data(), names.size());
    bool hasAcl = false;
    for (ssize_t at = 0; at < length; at += ssize_t(std::strlen(names.data() + at)) + 1) {
        const char* name = names.data() + at;
        hasAcl = hasAcl || std::strcmp(name, kAccessAcl) == 0;
        const ssize_t size = ::getxattr(from.c_str(), name, nullptr, 0);
        std::vector<char> value(size > 0 ? std::size_t(size) : 0);
        const ssize_t got = ::getxattr(from.c_str(), name, value.data(), value.size());
        if (got >= 0) ::fsetxattr(to, name, value.data(), std::size_t(got), 0);
    }
    // The folder's default ACL gave the temporary file one that the replaced file did not have.
    if (!hasAcl) ::fremovexattr(to, kAccessAcl);
}

// The replaced file's owner, group, permissions and attributes, where this user may set them:
// root gives a user's file back to the user, another user keeps at least a group of theirs.
int keepOwnerAndAccess(int fd, const struct stat& replaced, const fs::path& target)
{
    // Where neither is allowed, the file stays the writer's, as a new one would be.
    if (::fchown(fd, replaced.st_uid, replaced.st_gid) != 0)
        std::ignore = ::fchown(fd, uid_t(-1), replaced.st_gid);
    // After the owner: a change of owner clears the set-user-ID bits.
    if (::fchmod(fd, replaced.st_mode & 07777) != 0) return errno;
    copyAttributes(target, fd);
    return 0;
}

// Fills a new temporary file in `folder` and renames it to `name`. A replacement starts readable
// by its owner alone, never more open than the file it replaces.
int replaceThroughTemporary(int folder, const std::string& name, const fs::path& target,
                            const struct stat* replaced, const QByteArray& content)
{
    const std::string prefix = temporaryPrefix(name, folder);
    removeStaleTemporaries(folder, prefix);
    for (;;) {
        const std::string temporary = temporaryName(prefix);
        // Armed before the file exists: a signal cannot slip in between.
        const RemovedOnSignal removed(folder, temporary);
        const int fd = ::openat(folder, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                replaced ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return replaced && errno == EACCES ? kFolderNotWritable : errno;
        int error = replaced ? keepOwnerAndAccess(fd, *replaced, target) : 0;
        if (error == 0) error = writeAll(fd, content);
        // Some filesystems (network ones, quotas) report a full disk only here. EINVAL: the
        // filesystem cannot sync at all, which loses nothing that was written.
        if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
        if (::close(fd) != 0 && error == 0) error = errno;
        if (error == 0 && ::renameat(folder, temporary.c_str(), folder, name.c_str()) != 0)
            error = errno;
        if (error != 0) ::unlinkat(folder, temporary.c_str(), 0);
        return error;
    }
}

}  // namespace

int replaceFile(const fs::path& path, const QByteArray& content)
{
    int error = 0;
    const fs::path target = followLinks(path, error);
    if (error != 0) return error;
    struct stat existing {};
    const bool replaces = ::stat(target.c_str(), &existing) == 0;
    if (replaces && S_ISDIR(existing.st_mode)) return EISDIR;
    if (replaces && (S_ISFIFO(existing.st_mode) || S_ISCHR(existing.st_mode)))
        return writeInPlace(target, content, S_ISFIFO(existing.st_mode));
    if (replaces && !S_ISREG(existing.st_mode)) return kNotAFile;
    // A write-protected file is kept, although its folder would let it be replaced.
    if (replaces && ::access(target.c_str(), W_OK) != 0) return errno;

    // The temporary is named relative to the folder, so that it is bound only by the limit on a
    // name, as the target is, not by the limit on a whole path.
    const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const int folder = ::open(parent.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return errno;
    error = replaceThroughTemporary(folder, target.filename().native(), target,
                                    replaces ? &existing : nullptr, content);
    ::close(folder);
    return error;
}

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace tavrel::exporting
