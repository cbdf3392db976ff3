// quaxel-cli and "quaxel --screenshot" as processes against hostile files and
// names: FIFOs, devices, folders, huge sparse files, hard links, names that are
// no UTF-8, files full of terminal escapes. Each row runs the program in a
// fresh folder with a timeout, so that a hang fails the row; every row checks
// the exit status, what is printed, and what is left on disk. No row may print
// a raw control character, and nothing but the rows' own output may appear.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string Signal = QUAXEL_SOURCE_DIR "/samples/full-457-led-signal-001-dcc.hex";
const std::string MotFunctions = QUAXEL_SOURCE_DIR "/samples/full-15872-led-function-decoder-mot.hex";
const std::string NotHex = QUAXEL_SOURCE_DIR "/samples/index.txt";
constexpr int TimeoutMs = 20000;

struct ProcessRun {
    int status = -1;
    bool timedOut = false;
    std::string out;
    std::string err;
};

// Runs argv in folder with its bytes exactly as given, standard input empty.
ProcessRun runProcess(const std::vector<std::string> &argv, const std::string &folder)
{
    ProcessRun run;
    int out[2];
    int err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        return run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int none = ::open("/dev/null", O_RDONLY);
        ::dup2(none, 0);
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::close(out[0]);
        ::close(err[0]);
        if (::chdir(folder.c_str()) != 0)
            ::_exit(127);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(TimeoutMs);
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string *sinks[2] = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            break;
        }
        if (::poll(fds, 2, static_cast<int>(left.count())) < 0 && errno != EINTR)
            break;
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP)))
                continue;
            char buffer[65536];
            const ssize_t n = ::read(fds[k].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[k]->append(buffer, static_cast<size_t>(n));
            } else {
                ::close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            }
        }
    }
    for (const pollfd &fd : fds) {
        if (fd.fd >= 0)
            ::close(fd.fd);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// ---- the folder a row runs in ----

struct Folder {
    std::string path;
    std::string at(const std::string &name) const { return path + "/" + name; }
    void write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(at(name), std::ios::binary) << bytes;
    }
    std::string read(const std::string &name) const
    {
        std::ifstream in(at(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void copy(const std::string &from, const std::string &name) const
    {
        std::ifstream in(from, std::ios::binary);
        std::ofstream(at(name), std::ios::binary) << in.rdbuf();
    }
    struct stat info(const std::string &name) const
    {
        struct stat st {};
        if (::lstat(at(name).c_str(), &st) != 0)
            st.st_mode = 0;
        return st;
    }
    bool exists(const std::string &name) const { return info(name).st_mode != 0; }
    // Every name in the folder, hidden ones (a staged file left over) included.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        const ProcessRun ls = runProcess({"/bin/ls", "-A1"}, path);
        std::stringstream lines(ls.out);
        for (std::string line; std::getline(lines, line);)
            found.push_back(line);
        return found;
    }
};

using Names = std::vector<std::string>;

// A row: what the folder holds, the command, and what must follow. setup
// returns false when the machine does not allow the fixture (the row is
// skipped); after returns what went wrong on disk, or nothing.
struct Case {
    const char *name;
    std::function<bool(const Folder &)> setup;
    std::vector<std::string> args; // after the program; the first "quaxel" runs the window
    int status;
    std::string errHas;
    std::string outHas; // "" : standard output must be empty
    std::function<std::string(const Folder &)> after;
};

void PrintTo(const Case &c, std::ostream *os) { *os << c.name; }

bool nothing(const Folder &) { return true; }
bool isRoot() { return ::geteuid() == 0; }

std::string expectNames(const Folder &f, Names want)
{
    Names got = f.names();
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    if (got == want)
        return {};
    std::string list;
    for (const std::string &n : got)
        list += " '" + n + "'";
    return "the folder holds" + list;
}

// What a good picture holds before a screenshot fails to replace it.
const std::string OldPicture = "\x89PNG the old picture";

// A HEX file whose unknown record retitles and clears a terminal.
const std::string Escapes = ":00000007\x1B]0;owned\x07\x1B[2J\r\n:00000001FF\r\n";

std::vector<Case> cases()
{
    const auto fifo = [](const char *name) {
        return [name](const Folder &f) { return ::mkfifo(f.at(name).c_str(), 0644) == 0; };
    };
    const auto stillFifo = [](const char *name) {
        return [name](const Folder &f) { return S_ISFIFO(f.info(name).st_mode) ? std::string() : std::string("not a FIFO any more"); };
    };
    const auto only = [](Names names) { return [names](const Folder &f) { return expectNames(f, names); }; };
    const auto withFile = [](const char *name, std::string bytes, mode_t mode) {
        return [name, bytes, mode](const Folder &f) {
            f.write(name, bytes);
            return ::chmod(f.at(name).c_str(), mode) == 0;
        };
    };
    const auto replacedWithMode = [](const char *name, mode_t mode) {
        return [name, mode](const Folder &f) {
            const struct stat st = f.info(name);
            if ((st.st_mode & 07777) != mode)
                return "mode " + std::to_string(st.st_mode & 07777) + " instead of " + std::to_string(mode);
            return f.read(name).rfind(":020000040000FA", 0) == 0 ? std::string() : std::string("not written");
        };
    };
    const std::string tooBig = "ist zu groß (2147483648 Bytes)";

    return {
        // ---- inputs that are no regular file, or too big ----
        {"info of a FIFO", fifo("in.hex"), {"info", "in.hex"}, 1, "in.hex:\nist ein FIFO (benannte Pipe), keine reguläre Datei", "",
         only({"in.hex"})},
        {"diff with a FIFO", fifo("in.hex"), {"diff", Signal, "in.hex"}, 2, "ist ein FIFO", "", only({"in.hex"})},
        {"set from a FIFO", fifo("in.hex"), {"set", "in.hex", "-o", "o.hex"}, 1, "ist ein FIFO", "", only({"in.hex"})},
        {"info of a character device", nothing, {"info", "/dev/zero"}, 1, "/dev/zero:\nist ein zeichenorientiertes Gerät", "", only({})},
        {"info of a folder", [](const Folder &f) { return ::mkdir(f.at("d.hex").c_str(), 0755) == 0; }, {"info", "d.hex"}, 1,
         "ist ein Ordner", "", only({"d.hex"})},
        {"info of a sparse 2 GiB file", [](const Folder &f) { f.write("big.hex", ""); return ::truncate(f.at("big.hex").c_str(), 1LL << 31) == 0; },
         {"info", "big.hex"}, 1, tooBig, "", only({"big.hex"})},
        {"diff with a sparse 2 GiB file", [](const Folder &f) { f.write("big.hex", ""); return ::truncate(f.at("big.hex").c_str(), 1LL << 31) == 0; },
         {"diff", Signal, "big.hex"}, 2, tooBig, "", only({"big.hex"})},

        // ---- outputs: nothing but a regular file is replaced ----
        {"set onto a FIFO", fifo("o.hex"), {"set", Signal, "-o", "o.hex"}, 1, "o.hex:\nist ein FIFO (benannte Pipe), keine reguläre Datei; sie wird nicht ersetzt",
         "", stillFifo("o.hex")},
        {"set onto a character device",
         [](const Folder &f) { return ::mknod(f.at("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0; },
         {"set", Signal, "-o", "null"}, 1, "ist ein zeichenorientiertes Gerät, keine reguläre Datei", "",
         [](const Folder &f) { return S_ISCHR(f.info("null").st_mode) ? std::string() : std::string("the device was replaced"); }},
        {"set onto a folder", [](const Folder &f) { return ::mkdir(f.at("o.hex").c_str(), 0755) == 0; }, {"set", Signal, "-o", "o.hex"}, 1,
         "ist ein Ordner", "", [](const Folder &f) { return S_ISDIR(f.info("o.hex").st_mode) ? expectNames(f, {"o.hex"}) : "not a folder"; }},
        {"set through a symbolic link writes its file and keeps the link",
         [](const Folder &f) { f.write("t.hex", "old"); return ::symlink("t.hex", f.at("l.hex").c_str()) == 0; },
         {"set", Signal, "-o", "l.hex"}, 0, "", "geschrieben und geprüft: l.hex",
         [](const Folder &f) {
             if (!S_ISLNK(f.info("l.hex").st_mode))
                 return std::string("the link was replaced");
             return f.read("t.hex") == f.read("l.hex") && f.read("t.hex") != "old" ? expectNames(f, {"t.hex", "l.hex"})
                                                                                 : std::string("t.hex not written");
         }},
        {"set over a file with a second hard link",
         [](const Folder &f) { f.write("h.hex", "old"); return ::link(f.at("h.hex").c_str(), f.at("h2.hex").c_str()) == 0; },
         {"set", Signal, "-o", "h.hex"}, 1, "h.hex:\nhat 2 harte Links; sie zu ersetzen trennte sie", "",
         [](const Folder &f) {
             return f.read("h.hex") == "old" && f.info("h.hex").st_nlink == 2 ? expectNames(f, {"h.hex", "h2.hex"})
                                                                              : std::string("the link was split");
         }},
        {"a replaced file keeps its mode", withFile("m.hex", "old", 0604), {"set", Signal, "-o", "m.hex"}, 0, "", "geschrieben",
         replacedWithMode("m.hex", 0604)},
        {"a replaced file keeps its set-ID and sticky bits", withFile("m.hex", "old", 07751), {"set", Signal, "-o", "m.hex"}, 0, "",
         "geschrieben", replacedWithMode("m.hex", 07751)},
        {"root replacing a read-only file keeps it read-only",
         [withFile](const Folder &f) { return isRoot() && withFile("r.hex", "old", 0444)(f); }, {"set", Signal, "-o", "r.hex"}, 0, "",
         "geschrieben", replacedWithMode("r.hex", 0444)},
        {"root replacing a user's file keeps its owner and group",
         [](const Folder &f) { f.write("u.hex", "old"); return isRoot() && ::chown(f.at("u.hex").c_str(), 1, 2) == 0; },
         {"set", Signal, "-o", "u.hex"}, 0, "", "geschrieben",
         [](const Folder &f) {
             const struct stat st = f.info("u.hex");
             return st.st_uid == 1 && st.st_gid == 2 && f.read("u.hex") != "old" ? std::string() : std::string("owner or group lost");
         }},

        // ---- a series is all or nothing ----
        {"a series that fails part-way leaves nothing new and every old file as it was",
         [](const Folder &f) { f.write("s-1.hex", "old"); return ::mkdir(f.at("s-3.hex").c_str(), 0755) == 0; },
         {"set", Signal, "-o", "s.hex", "--slot", "9=0", "--slot", "10=0", "--series", "4", "--step", "1"}, 1, "s-3.hex:\nist ein Ordner", "",
         [](const Folder &f) { return f.read("s-1.hex") == "old" ? expectNames(f, {"s-1.hex", "s-3.hex"}) : "s-1.hex changed"; }},
        {"a series whose addresses overflow is refused before writing", nothing,
         {"set", Signal, "-o", "s.hex", "--series", "2", "--step", "2147483647"}, 1, "Datei 2 von 2, s-2.hex: Adresse für <",
         "", only({})},
        {"a series past the limit names slot, file and limit", nothing,
         {"set", Signal, "-o", "s.hex", "--slot", "9=2040", "--series", "9", "--step", "1"}, 1,
         "Slot 10, Datei 5 von 9, s-5.hex: Adresse für <Vr0> ist zu gross (2045; höchstens 2044)", "", only({})},

        // ---- names that are no UTF-8 ----
        {"an output name that is no UTF-8 is written under its bytes", nothing, {"set", Signal, "-o", "bad\xFF.hex"}, 0, "",
         "geschrieben und geprüft: bad\\xFF.hex", only({"bad\xFF.hex"})},
        {"an input name that is no UTF-8 is read", [](const Folder &f) { f.copy(Signal, "in\xFE\xC0.hex"); return true; },
         {"info", "in\xFE\xC0.hex"}, 0, "", "Datei:      in\\xFE\\xC0.hex", only({"in\xFE\xC0.hex"})},

        // ---- text from a file is escaped and cut ----
        {"escape sequences in a record are shown escaped", withFile("esc.hex", Escapes, 0644), {"info", "esc.hex"}, 1,
         "E206: Unerwartete Zeile im File: :00000007\\x1B]0;OWNED\\x07\\x1B[2J\n", "", only({"esc.hex"})},
        {"a NUL in a data byte does not cut diff's listing",
         [](const Folder &f) {
             f.copy(Signal, "nul.hex");
             std::string text = f.read("nul.hex");
             text[text.find(":10420000") + 9] = '\0';
             f.write("nul.hex", text);
             return true;
         },
         {"diff", Signal, "nul.hex", "--force"}, 1, "", "0x00: File1:0xFF - File2:0x\\x00F", only({"nul.hex"})},
        {"a huge line is quoted short", withFile("long.hex", ":00000007" + std::string(500000, 'A') + "\r\n", 0644),
         {"info", "long.hex"}, 1, "E206: Unerwartete Zeile im File: :00000007AAAA", "",
         [](const Folder &) { return std::string(); }},

        // ---- statuses and texts ----
        {"function 0 changes nothing and is refused", nothing, {"set", MotFunctions, "-o", "o.hex", "--slot", "2=80/0"}, 1,
         "Slot 2, o.hex: die Funktions-Nummer 0 lässt sich nicht speichern: Funktions-Nummern gehen von 1 bis 4", "", only({})},
        {"address 0 where the decoder cannot store it is refused", nothing, {"set", MotFunctions, "-o", "o.hex", "--slot", "2=0"}, 1,
         "die Adresse 0 kann dieser Decoder-Typ nicht speichern", "", only({})},
        {"address 0 clears a slot where it can", nothing, {"set", Signal, "-o", "o.hex", "--slot", "2=0"}, 0, "", "geschrieben",
         only({"o.hex"})},
        {"slot 0 is no slot", nothing, {"set", Signal, "-o", "o.hex", "--slot", "0=1"}, 2, "mit N von 1 bis 47", "", only({})},
        {"info of an empty file prints what it read and fails", withFile("empty.hex", "", 0644), {"info", "empty.hex"}, 1,
         "Das HEX-File konnte leider nicht erkannt werden", "Datei:", only({"empty.hex"})},
        {"diff that fails prints nothing on standard output", nothing, {"diff", Signal, NotHex}, 2, "E300", "", only({})},
        {"-- ends the options", [](const Folder &f) { f.copy(Signal, "-x.hex"); return true; }, {"info", "--", "-x.hex"}, 0, "",
         "Datei:      -x.hex", only({"-x.hex"})},
        {"-o - writes the HEX text to standard output", nothing, {"set", Signal, "-o", "-", "--slot", "1=42g"}, 0, "",
         ":00000001FF\r\n", only({})},
        {"--screenshot without a name is refused at once", nothing, {"quaxel", "--screenshot", ""}, 1,
         "--screenshot: kein Dateiname angegeben", "", only({})},
        {"--screenshot into a missing folder is refused at once", nothing, {"quaxel", "--screenshot", "no/x.png"}, 1,
         "Datei oder Ordner nicht gefunden", "", only({})},
        {"--screenshot onto a FIFO is refused at once", fifo("x.png"), {"quaxel", Signal, "--screenshot", "x.png"}, 1,
         "ist ein FIFO", "", stillFifo("x.png")},
        {"--screenshot names a hostile name escaped", nothing, {"quaxel", "--screenshot", "no\x1B]0;x\x07/x.png"}, 1,
         "no\\x1B]0;x\\x07/x.png", "", only({})},

        // ---- a full disk, as a file size limit makes it ----
        {"--screenshot on a full disk keeps the old picture", withFile("old.png", OldPicture, 0644),
         {"full-disk-quaxel", Signal, "--screenshot", "old.png"}, 1, "Schreiben fehlgeschlagen: old.png:", "",
         [](const Folder &f) { return f.read("old.png") == OldPicture ? expectNames(f, {"old.png"}) : "old.png changed"; }},
        {"--screenshot on a full disk leaves no new file", nothing, {"full-disk-quaxel", Signal, "--screenshot", "new.png"}, 1,
         "Schreiben fehlgeschlagen: new.png:", "", only({})},
        {"set on a full disk keeps the old file", withFile("o.hex", "old", 0644), {"full-disk-cli", "set", Signal, "-o", "o.hex"}, 1,
         "o.hex:\n", "", [](const Folder &f) { return f.read("o.hex") == "old" ? expectNames(f, {"o.hex"}) : "o.hex changed"; }},

        // ---- names in the window ----
        {"a name that is no UTF-8 loads in the window", [](const Folder &f) { f.copy(Signal, "in\xFE\xC0.hex"); return true; },
         {"quaxel", "in\xFE\xC0.hex", "--screenshot", "x.png"}, 0, "", "", only({"in\xFE\xC0.hex", "x.png"})},
        {"--screenshot onto a name that is no UTF-8 writes that name", nothing, {"quaxel", Signal, "--screenshot", "pic\xFF.png"},
         0, "", "", only({"pic\xFF.png"})},
        {"a name with a right-to-left override is shown escaped",
         [](const Folder &f) { f.copy(Signal, "rtl\u202Eexe.txt.hex"); return true; }, {"info", "rtl\u202Eexe.txt.hex"}, 0, "",
         "Datei:      rtl\\u202Eexe.txt.hex", only({"rtl\u202Eexe.txt.hex"})},
    };
}

// Raw control characters besides line breaks (and the CR LF of HEX text on
// standard output), and raw bidirectional controls.
bool holdsRawControl(const std::string &text, bool hexText)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\n' && !(hexText && c == '\r')) || u == 0x7F)
            return true;
    }
    // The bidirectional marks, embeddings, overrides and isolates in UTF-8.
    for (const char *bidi : {"\u200E", "\u200F", "\u202A", "\u202B", "\u202C", "\u202D", "\u202E", "\u2066", "\u2067",
                             "\u2068", "\u2069"}) {
        if (text.find(bidi) != std::string::npos)
            return true;
    }
    return false;
}

// The program and its arguments for a row. "full-disk-…" runs it where no
// file may grow past 4 KiB, and a write past that fails (EFBIG) as on a full disk.
std::vector<std::string> commandLine(std::vector<std::string> args)
{
    const std::string first = args.front();
    const bool fullDisk = first.rfind("full-disk-", 0) == 0;
    const bool window = first == "quaxel" || first == "full-disk-quaxel";
    if (window || first == "full-disk-cli")
        args.erase(args.begin());
    args.insert(args.begin(), window ? std::string(QUAXEL_APP) : std::string(QUAXEL_CLI));
    if (fullDisk)
        args.insert(args.begin(), {"/bin/sh", "-c", "ulimit -f 8; trap '' XFSZ; exec \"$0\" \"$@\""});
    return args;
}

class HostileFiles : public ::testing::TestWithParam<Case> {};

TEST_P(HostileFiles, AnswerInTimeAndTouchNothingButTheFileMeant)
{
    const Case &c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Folder folder{dir.path().toStdString()};
    if (!c.setup(folder))
        GTEST_SKIP() << "this machine does not allow the fixture";
    const ProcessRun run = runProcess(commandLine(c.args), folder.path);

    ASSERT_FALSE(run.timedOut) << "no answer within " << TimeoutMs << " ms";
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_NE(run.err.find(c.errHas), std::string::npos) << run.err;
    if (c.outHas.empty())
        EXPECT_EQ(run.out, "");
    else
        EXPECT_NE(run.out.find(c.outHas), std::string::npos) << run.out;
    EXPECT_FALSE(holdsRawControl(run.err, false)) << run.err;
    EXPECT_FALSE(holdsRawControl(run.out, c.outHas.find('\r') != std::string::npos)) << run.out;
    EXPECT_LT(run.err.size(), 1000u) << "a message of sane length";
    EXPECT_EQ(c.after(folder), "");
    // Qt cannot remove names that are no UTF-8.
    runProcess({"/bin/rm", "-rf", folder.path}, "/");
}

INSTANTIATE_TEST_SUITE_P(Rows, HostileFiles, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case> &info) { return "row" + std::to_string(info.index); });

// Starts the program and kills it (SIGKILL) after the given time.
void killedRun(const std::vector<std::string> &argv, const std::string &folder, std::chrono::microseconds after)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int none = ::open("/dev/null", O_RDWR);
        ::dup2(none, 0);
        ::dup2(none, 1);
        ::dup2(none, 2);
        if (::chdir(folder.c_str()) != 0)
            ::_exit(127);
        std::vector<char *> args;
        for (const std::string &a : argv)
            args.push_back(const_cast<char *>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    ::usleep(static_cast<useconds_t>(after.count()));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

// How long a whole run takes, so that the kills fall all over it.
std::chrono::microseconds runTime(const std::vector<std::string> &argv, const std::string &folder)
{
    const auto start = std::chrono::steady_clock::now();
    const ProcessRun run = runProcess(argv, folder);
    EXPECT_EQ(run.status, 0) << run.err;
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

// Runs killed at every moment of their life leave no staged file: a save, a
// series, a screenshot. A replacement has to name its file for the instant
// between linking it and renaming it over the old one, and a series keeps the
// old files aside until the last is in place: a kill just then leaves staged
// names, which the next save into the folder removes. So one run may leave
// what the runs before it left at most once.
TEST(KilledRuns, LeaveNoStagedFileBehind)
{
    const struct {
        const char *name;
        std::vector<std::string> args;
        int runs;
        Names whole; // what a finished run leaves
        // A series keeps each old file aside, under a staging name, until
        // the last is in place: a run killed then leaves those.
        bool keepsAsideWhileCommitting;
    } rows[] = {
        {"set", {QUAXEL_CLI, "set", Signal, "-o", "out.hex", "--slot", "1=42g"}, 100, {"out.hex"}, false},
        {"series", {QUAXEL_CLI, "set", Signal, "-o", "s.hex", "--slot", "9=0", "--slot", "10=0", "--series", "3", "--step", "1"}, 30,
         {"s-1.hex", "s-2.hex", "s-3.hex"}, true},
        {"screenshot", {QUAXEL_APP, Signal, "--screenshot", "x.png"}, 20, {"x.png"}, false},
    };
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    for (const auto &row : rows) {
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        const Folder folder{dir.path().toStdString()};
        const auto whole = runTime(row.args, folder.path);
        std::srand(12345);
        Names stagedBefore;
        int runsLeavingOne = 0;
        for (int k = 0; k < row.runs; ++k) {
            const auto at = std::chrono::microseconds(std::rand() % (whole.count() + 1));
            killedRun(row.args, folder.path, at);
            Names staged;
            for (const std::string &name : folder.names()) {
                if (std::find(row.whole.begin(), row.whole.end(), name) != row.whole.end())
                    continue;
                ASSERT_NE(name.find(".quaxel-"), std::string::npos)
                    << row.name << ": killed after " << at.count() << " us, left '" << name << "'";
                staged.push_back(name);
            }
            const auto isNew = [&](const std::string &name) {
                return std::find(stagedBefore.begin(), stagedBefore.end(), name) == stagedBefore.end();
            };
            if (std::any_of(staged.begin(), staged.end(), isNew))
                ++runsLeavingOne;
            stagedBefore = staged;
        }
        // Staging in the open, by name, would leave one in many runs.
        if (!row.keepsAsideWhileCommitting) {
            EXPECT_LE(runsLeavingOne, row.runs / 20) << row.name;
        }
        EXPECT_EQ(runProcess(row.args, folder.path).status, 0);
        EXPECT_EQ(expectNames(folder, row.whole), "") << row.name;
    }
}

} // namespace
