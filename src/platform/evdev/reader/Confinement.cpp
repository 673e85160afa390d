#include "platform/evdev/reader/Confinement.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/input.h>
#include <linux/landlock.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace kestrel::evdev::reader {

namespace {

#if defined(__x86_64__)
constexpr std::uint32_t thisArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t thisArchitecture = AUDIT_ARCH_AARCH64;
#else
constexpr std::uint32_t thisArchitecture = 0;
#endif

constexpr std::uint32_t allow = SECCOMP_RET_ALLOW;
constexpr std::uint32_t refuse = SECCOMP_RET_ERRNO | (EPERM & SECCOMP_RET_DATA);

// The low half of an argument (little-endian), where the kernel reads an int or a flag word.
constexpr std::uint32_t argumentOffset(int index)
{
    return static_cast<std::uint32_t>(offsetof(seccomp_data, args) + sizeof(std::uint64_t) * index);
}

// The calls allowed whatever their arguments.
constexpr std::array allowedCalls
{
    SYS_read, SYS_close, SYS_ppoll, SYS_fstat, SYS_newfstatat, SYS_statx, SYS_lseek, SYS_getdents64, SYS_mmap,
        SYS_munmap, SYS_mremap, SYS_mprotect, SYS_brk, SYS_madvise, SYS_futex, SYS_exit, SYS_exit_group,
        SYS_rt_sigreturn, SYS_rt_sigprocmask, SYS_clock_gettime, SYS_getppid, SYS_getpid, SYS_restart_syscall,
#if defined(__x86_64__)
        SYS_poll,
#endif
};

// Flags a read-only open may carry; O_RDONLY is zero, so any access mode, creation,
// truncation or appending is outside them.
constexpr std::uint32_t readOnlyOpenFlags = O_NONBLOCK | O_CLOEXEC | O_DIRECTORY | O_NOCTTY;

class Filter {
public:
    void load(std::uint32_t offset) { add(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offset)); }
    void returns(std::uint32_t action) { add(BPF_STMT(BPF_RET | BPF_K, action)); }
    void andWith(std::uint32_t mask) { add(BPF_STMT(BPF_ALU | BPF_AND | BPF_K, mask)); }
    // Goes on with the next instruction when the accumulator equals `value`, else skips `count`.
    void unlessEqualSkip(std::uint32_t value, std::uint8_t count)
    {
        add(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, value, 0, count));
    }
    // Skips `count` instructions when the accumulator equals `value`.
    void ifEqualSkip(std::uint32_t value, std::uint8_t count)
    {
        add(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, value, count, 0));
    }
    void unlessAtLeastSkip(std::uint32_t value, std::uint8_t count)
    {
        add(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, value, 0, count));
    }

    // Call `number` (the call's number in the accumulator) is allowed when its argument's low
    // half, masked, equals `expected`.
    void allowWhen(long number, int argument, std::uint32_t mask, std::uint32_t expected)
    {
        unlessEqualSkip(static_cast<std::uint32_t>(number), 5);
        load(argumentOffset(argument));
        andWith(mask);
        unlessEqualSkip(expected, 1);
        returns(allow);
        returns(refuse);
    }

    // ioctl (the call's number in the accumulator) is allowed for request `exactly`, and for
    // requests that equal `kind` under `mask`.
    void allowIoctls(std::uint32_t exactly, std::uint32_t kind, std::uint32_t mask)
    {
        unlessEqualSkip(static_cast<std::uint32_t>(SYS_ioctl), 7);
        load(argumentOffset(1));
        unlessEqualSkip(exactly, 1);
        returns(allow);
        andWith(mask);
        unlessEqualSkip(kind, 1);
        returns(allow);
        returns(refuse);
    }

    sock_fprog program() { return {.len = static_cast<unsigned short>(m_code.size()), .filter = m_code.data()}; }

private:
    void add(sock_filter instruction) { m_code.push_back(instruction); }
    std::vector<sock_filter> m_code;
};

// Every file-system access Landlock's first two versions know; the devices' ioctls are left
// to the seccomp filter.
constexpr std::uint64_t fileAccesses =
    LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
    LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR | LANDLOCK_ACCESS_FS_REMOVE_FILE |
    LANDLOCK_ACCESS_FS_MAKE_CHAR | LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG |
    LANDLOCK_ACCESS_FS_MAKE_SOCK | LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK |
    LANDLOCK_ACCESS_FS_MAKE_SYM;

int landlockVersion()
{
    const long version = ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    return version < 0 ? 0 : static_cast<int>(version);
}

// Only reading beneath `folder` stays possible; true where the kernel has no Landlock.
bool keepFilesIn(const std::string& folder, std::string& why)
{
    const int version = landlockVersion();
    if (version == 0)
        return true;
    landlock_ruleset_attr handled{};
    handled.handled_access_fs = fileAccesses | (version >= 2 ? LANDLOCK_ACCESS_FS_REFER : 0);
    const int ruleset = static_cast<int>(::syscall(SYS_landlock_create_ruleset, &handled, sizeof(handled), 0));
    if (ruleset < 0) {
        why = std::string("the kernel refused a Landlock ruleset: ") + std::strerror(errno);
        return false;
    }
    landlock_path_beneath_attr devices{};
    devices.allowed_access = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
    devices.parent_fd = ::open(folder.c_str(), O_PATH | O_CLOEXEC);
    const bool kept = devices.parent_fd >= 0 &&
                      ::syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &devices, 0) == 0 &&
                      ::syscall(SYS_landlock_restrict_self, ruleset, 0) == 0;
    if (!kept)
        why = "cannot keep the reader to " + folder + ": " + std::strerror(errno);
    if (devices.parent_fd >= 0)
        ::close(devices.parent_fd);
    ::close(ruleset);
    return kept;
}

} // namespace

bool kernelConfinesFiles()
{
    return landlockVersion() > 0;
}

bool confineToReading(const std::string& deviceFolder, std::string& why)
{
    if (thisArchitecture == 0) {
        why = "the reader cannot be confined on this machine's architecture";
        return false;
    }
    Filter filter;
    // Calls made as another architecture's (32-bit compatibility) have other numbers: the
    // process ends rather than have them misread.
    filter.load(offsetof(seccomp_data, arch));
    filter.ifEqualSkip(thisArchitecture, 1);
    filter.returns(SECCOMP_RET_KILL_PROCESS);
    filter.load(offsetof(seccomp_data, nr));
#if defined(__x86_64__)
    // The x32 calls share the architecture and set this bit.
    filter.unlessAtLeastSkip(0x40000000, 1);
    filter.returns(refuse);
#endif
    for (const long call : allowedCalls) {
        filter.unlessEqualSkip(static_cast<std::uint32_t>(call), 1);
        filter.returns(allow);
    }
    filter.allowWhen(SYS_write, 0, 0xFFFFFFFF, 1);
    // Listing a folder (fdopendir) asks how its descriptor was opened and marks it close-on-exec:
    // F_SETFD (2) and F_GETFL (3), and no other fcntl.
    static_assert(F_SETFD == 2 && F_GETFL == 3);
    filter.allowWhen(SYS_fcntl, 1, ~1U, F_SETFD);
    filter.allowWhen(SYS_openat, 2, ~readOnlyOpenFlags, 0);
    // The input devices' questions (EVIOCGBIT, EVIOCGKEY…: type 'E', reading) and the mask of
    // what they pass on (EVIOCSMASK); never a grab (EVIOCGRAB), a revocation or a new keymap.
    filter.allowIoctls(EVIOCSMASK, _IOC(_IOC_READ, 'E', 0, 0), _IOC(_IOC_DIRMASK, _IOC_TYPEMASK, 0, 0));
    filter.returns(refuse);

    sock_fprog program = filter.program();
    if (::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) {
        why = std::string("the kernel refused to keep the reader from gaining privileges: ") + std::strerror(errno);
        return false;
    }
    if (!keepFilesIn(deviceFolder, why))
        return false;
    if (::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0) {
        why = std::string("the kernel refused the reader's seccomp filter: ") + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace kestrel::evdev::reader
