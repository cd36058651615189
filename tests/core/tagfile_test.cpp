#include <gtest/gtest.h>
#include <algorithm>
#include <sys/stat.h>

#include "core/tagfile/file_io.h"
#include "core/tagfile/record_format.h"
#include "core/tagfile/scan.h"
#include "core/tagfile/string_list.h"
#include "core/tagfile/tag_reader.h"
#include "core/tagfile/tag_writer.h"
#include "core/text/cp932.h"
#include "support/core/temp_dir.h"

namespace lw {
namespace {

using namespace test;

// A small record type to exercise the field descriptions.
struct Rec {
    int a = 0;
    int b = 0;
    float rate = 0;
    std::string name;
    std::string text;
    bool operator==(const Rec&) const = default;
};
const RecordFormat<Rec> kRecLine = {IntField(&Rec::a), TokenField(&Rec::name, 8), Float2Field(&Rec::rate),
                                    IntField(&Rec::b), TextField(&Rec::text, 64)};

// Reads a counted list of Rec by count rule 2 with the given capacity.
struct RecTable {
    std::vector<Rec> rows;
    int count = 0;
};
RecTable ReadRecs(std::string_view bytes, int capacity) {
    RecTable t;
    t.rows.resize(static_cast<std::size_t>(capacity));
    TagReader reader;
    BoundedList list{.count = 0, .position = 0, .capacity = capacity};
    list.AddTo(reader, "rec_number", "rec_data",
               [&](int pos, std::string_view line) { ParseRecord(line, t.rows[static_cast<std::size_t>(pos)], kRecLine); });
    reader.Read(bytes);
    t.count = list.count;
    return t;
}

TEST(TagWriter, FirstLineBareLaterLinesCrLfNothingAfterLast) {
    TagWriter w;
    w.IntSection("rec_number", 2);
    w.Open("rec_data");
    w.Line("x");
    w.Close("rec_data");
    EXPECT_EQ(w.bytes(), "<rec_number>\r\n2\r\n</rec_number>\r\n<rec_data>\r\nx\r\n</rec_data>");
}

TEST(TagReader, LineEndingsTagsAndSections) {
    std::vector<std::string> lines;
    ForEachLine("a\r\nb\nc\rd\r\n", [&](std::string_view l) { lines.emplace_back(l); });
    // CR LF and LF end lines; a lone CR stays in the line; a final break adds no line.
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c\rd"}));

    auto names = ReadStringListLines("<n_number>\r\n1\r\n</n_number>\r\n<n_data>\r\nx y\r\n</n_data>\r\n", "n_number",
                                     "n_data", 255);
    EXPECT_EQ(names, std::vector<std::string>{"x y"});

    // A tag with a trailing blank or in other case does not open its section.
    const char* file = "<n_number>\r\n1\r\n</n_number>\r\n<n_data> \r\na\r\n</n_data>\r\n<N_DATA>\r\nb\r\n</N_DATA>";
    EXPECT_TRUE(ReadStringListLines(file, "n_number", "n_data", 255).empty());
    // Blank lines inside a section are entries.
    EXPECT_EQ(ReadStringListLines("<n_data>\r\n\r\nb\r\n\r\n</n_data>", "n_number", "n_data", 255),
              (std::vector<std::string>{"", "b", ""}));

    // The data section is never closed: the following count tag (tested before data) ends it.
    TagReader r;
    std::vector<std::string> got;
    r.Section("first", [&](std::string_view l) { got.push_back("1:" + std::string(l)); });
    r.Section("second", [&](std::string_view l) { got.push_back("2:" + std::string(l)); });
    r.Read("<second>\nx\n<first>\ny\n</first>\nz");
    EXPECT_EQ(got, (std::vector<std::string>{"2:x", "1:y"}));
}

TEST(CountRules, BoundedListTakesAtMostCountAndKeepsCount) {
    const std::string three = "<rec_number>\r\n2\r\n</rec_number>\r\n<rec_data>\r\n1 a 0.5 2 t\r\n2 b 1 3 u\r\n3 c 2 4 v\r\n</rec_data>";
    RecTable t = ReadRecs(three, 10);
    EXPECT_EQ(t.count, 2);
    EXPECT_EQ(t.rows[1].name, "b");
    EXPECT_EQ(t.rows[2].name, "");

    // More count than lines: the count stays, the missing record stays cleared.
    const std::string short_ = "<rec_number>\r\n3\r\n</rec_number>\r\n<rec_data>\r\n1 a 0.5 2 t\r\n2 b 1 3 u\r\n</rec_data>";
    t = ReadRecs(short_, 10);
    EXPECT_EQ(t.count, 3);
    EXPECT_EQ(t.rows[2].a, 0);
    EXPECT_EQ(t.rows[2].name, "");

    // Clamped to capacity.
    t = ReadRecs(three, 1);
    EXPECT_EQ(t.count, 1);
    EXPECT_EQ(t.rows[0].name, "a");

    // Data before the count: nothing is taken, the count is read afterwards.
    const std::string dataFirst = "<rec_data>\r\n1 a 0.5 2 t\r\n</rec_data>\r\n<rec_number>\r\n1\r\n</rec_number>";
    t = ReadRecs(dataFirst, 10);
    EXPECT_EQ(t.count, 1);
    EXPECT_EQ(t.rows[0].name, "");

    // A count that is not a number keeps 0; a negative count takes nothing and stays as read.
    t = ReadRecs("<rec_number>\r\nx\r\n</rec_number>\r\n<rec_data>\r\n1 a 0 0 t\r\n</rec_data>", 10);
    EXPECT_EQ(t.count, 0);
    t = ReadRecs("<rec_number>\r\n-4\r\n</rec_number>\r\n<rec_data>\r\n1 a 0 0 t\r\n</rec_data>", 10);
    EXPECT_EQ(t.count, -4);
    EXPECT_EQ(t.rows[0].a, 0);

    // A bounded table never grows with the count; the string list ignores it.
    t = ReadRecs("<rec_number>\r\n2000000000\r\n</rec_number>", 4);
    EXPECT_EQ(t.count, 4);
    EXPECT_TRUE(ReadStringListLines("<n_number>\r\n2000000000\r\n</n_number>", "n_number", "n_data", 255).empty());
}

TEST(RecordFormat, RoundTripAndHashLineBreaks) {
    Rec r{.a = -3, .b = 7, .rate = 0.5f, .name = "sword", .text = "line one\r\nline two"};
    EXPECT_EQ(FormatRecord(r, kRecLine), "-3 sword 0.50 7 line one#line two");
    Rec back;
    // The text field is one token: blanks inside it would end it. Use a blank-free text.
    r.text = "one\r\ntwo";
    std::string line = FormatRecord(r, kRecLine);
    EXPECT_EQ(line, "-3 sword 0.50 7 one#two");
    EXPECT_TRUE(ParseRecord(line, back, kRecLine));
    EXPECT_EQ(back, r);
}

TEST(RecordFormat, MalformedFieldsKeepClearedValues) {
    Rec r;
    EXPECT_FALSE(ParseRecord("5 name x 9", r, kRecLine));
    EXPECT_EQ(r, (Rec{.a = 5, .name = "name"}));  // the fields after the rate are not reached
    // Long tokens are cut to their width at a character boundary: "ab" + three 2-byte characters.
    Rec cut;
    ParseRecord("1 ab\x82\xa0\x82\xa2\x82\xa4 1 1 t", cut, kRecLine);
    EXPECT_EQ(cut.name, "ab\x82\xa0\x82\xa2\x82\xa4");
    ParseRecord("1 abc\x82\xa0\x82\xa2\x82\xa4 1 1 t", cut, kRecLine);
    EXPECT_EQ(cut.name, "abc\x82\xa0\x82\xa2");  // 7 bytes: the third character would make 9
    // Out-of-range integers saturate instead of wrapping.
    ParseRecord("99999999999999999999", cut, kRecLine);
    EXPECT_EQ(cut.a, 2147483647);
}

TEST(Scan, NumbersAreLocaleIndependent) {
    EXPECT_EQ(FormatFixed(0.5, 2), "0.50");
    EXPECT_EQ(FormatFixed(-1.25, 1), "-1.2");
    float f = 0;
    EXPECT_TRUE(ScanFloat("  +2.5xyz", f));
    EXPECT_FLOAT_EQ(f, 2.5f);
    EXPECT_FALSE(ScanFloat("0,5", f) && f != 0.0f);
    int i = 42;
    EXPECT_FALSE(ScanInt("abc", i));
    EXPECT_EQ(i, 42);
    EXPECT_TRUE(ScanInt("\t-17 rest", i));
    EXPECT_EQ(i, -17);
}

TEST(Text, HashEncodingTouchesOnlySingleByteHash) {
    // 0x81 0x23 is not a CP932 character pair (0x23 is below the trail range) so the '#' counts;
    // 0x83 0x5C is a double-byte character whose trail byte must not be mistaken.
    EXPECT_EQ(EncodeLineBreaks("a\r\nb\rc\nd"), "a#b\rc\nd");
    EXPECT_EQ(DecodeLineBreaks("a#b"), "a\r\nb");
    // A lead byte followed by '#' forms no character boundary problem: '#'(0x23) as trail is kept.
    EXPECT_EQ(DecodeLineBreaks(std::string("\x81\x23", 2)), std::string("\x81\x23", 2));
    EXPECT_EQ(DecodeLineBreaks("x#y#"), "x\r\ny\r\n");
    // Long runs of either kind of character around the "#"s (texts are copied in runs).
    EXPECT_EQ(DecodeLineBreaks("abcdefghijkl#\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0#k\x81#m"),
              "abcdefghijkl\r\n\x82\xa0\x82\xa0\x82\xa0\x82\xa0\x82\xa0\r\nk\x81#m");
    EXPECT_EQ(EncodeLineBreaks("\r\n\r\nab\r\r\n"), "##ab\r#");
    EXPECT_EQ(CutCopy("\x82\xa0\x82\xa2", 3), "\x82\xa0");
    EXPECT_EQ(Cp932ToUtf8("\x82\xa0").value(), "\xe3\x81\x82");  // あ
    EXPECT_EQ(Utf8ToCp932("\xe3\x81\x82").value(), "\x82\xa0");
    EXPECT_FALSE(Utf8ToCp932("\xf0\x9f\x98\x80").has_value());  // an emoji has no CP932 form
}

// The names in a folder, sorted.
std::vector<std::string> FolderEntries(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class SaveFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path target() const { return dir.path() / "list.txt"; }
};

TEST_F(SaveFileTest, CreatesWithoutAskingAndAsksBeforeReplacing) {
    ScriptedSaveUi ui;
    EXPECT_TRUE(SaveFile(target(), ".\\data\\list.txt", "new", ui));
    EXPECT_EQ(ui.asked, 0);
    EXPECT_EQ(ReadBytes(target()), "new");

    ui.answer = false;
    EXPECT_FALSE(SaveFile(target(), ".\\data\\list.txt", "other", ui));
    EXPECT_EQ(ui.asked, 1);
    EXPECT_EQ(ui.lastCaption, ".\\data\\list.txt");
    EXPECT_EQ(ReadBytes(target()), "new");
    EXPECT_EQ(ui.cannotCreate, 0);

    ui.answer = true;
    EXPECT_TRUE(SaveFile(target(), ".\\data\\list.txt", "other", ui));
    EXPECT_EQ(ReadBytes(target()), "other");

    // A missing folder cannot be made into: the author is told, nothing is made.
    EXPECT_FALSE(SaveFile(dir.path() / "nofolder" / "x.txt", "x", "bytes", ui));
    EXPECT_EQ(ui.cannotCreate, 1);
    EXPECT_EQ(ReadFileBytes(dir.path() / "nofolder" / "x.txt", kSmallFileCeiling).status, ReadStatus::Missing);

    // A write that fails part-way leaves the old file and no temporary file.
    WriteFault fault{.failAfterBytes = 3};
    EXPECT_FALSE(SaveFile(target(), "x", "brand new contents", ui, &fault));
    EXPECT_EQ(ui.cannotCreate, 2);
    EXPECT_EQ(ReadBytes(target()), "other");
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"list.txt"});
}

// What exists but is no file of the expected kind is Unreadable, never Missing: the editors refuse
// to save over it. Nothing here may block or load a huge file into memory.
TEST_F(SaveFileTest, ReadStatusTellsMissingFromUnreadable) {
    const auto path = dir.path() / "list.txt";
    EXPECT_EQ(ReadFileBytes(path, kSmallFileCeiling).status, ReadStatus::Missing);

    WriteBytes(path, "abc");
    FileBytes ok = ReadFileBytes(path, kSmallFileCeiling);
    EXPECT_EQ(ok.status, ReadStatus::Ok);
    EXPECT_EQ(ok.bytes, "abc");
    EXPECT_EQ(ReadFileBytes(path, 2).status, ReadStatus::Unreadable);  // over its ceiling

    // A file of many megabytes reads back whole, alone and after a smaller file in the same buffer.
    std::string large(9u << 20, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>('a' + (i * 7919) % 26);
    const auto largePath = dir.path() / "large.txt";
    WriteBytes(largePath, large);
    EXPECT_TRUE(ReadFileBytes(largePath, kListFileCeiling).bytes == large);
    FileReader reader;
    ASSERT_EQ(reader.Read(path, kSmallFileCeiling), ReadStatus::Ok);
    ASSERT_EQ(reader.Read(largePath, kListFileCeiling), ReadStatus::Ok);
    EXPECT_TRUE(reader.content() == large);

    // A sparse 2 GB file is refused by its size, without reading it.
    const auto huge = dir.path() / "huge.txt";
    WriteBytes(huge, "x");
    std::filesystem::resize_file(huge, std::uintmax_t{2} << 30);
    FileBytes big = ReadFileBytes(huge, kListFileCeiling);
    EXPECT_EQ(big.status, ReadStatus::Unreadable);
    EXPECT_TRUE(big.bytes.empty());

    EXPECT_EQ(ReadFileBytes(dir.path(), kSmallFileCeiling).status, ReadStatus::Unreadable);  // a folder

    // A FIFO with no writer would block a plain open.
    const auto fifo = dir.path() / "fifo.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadFileBytes(fifo, kSmallFileCeiling).status, ReadStatus::Unreadable);
}

TEST_F(SaveFileTest, StreamedSaveMatchesMemoryAndFailsCleanly) {
    auto content = [](TagWriter& w) {
        w.IntSection("n_number", 500);
        w.Open("n_data");
        for (int i = 0; i < 500; ++i) w.Line("entry number " + std::to_string(i));
        w.Close("n_data");
    };
    const std::string expected = TagFileBytes(content);
    // Chunks of 16 bytes: every line boundary falls somewhere inside a chunk.
    std::string streamed;
    TagWriter small([&](std::string_view chunk) {
        streamed += chunk;
        return true;
    }, 16);
    content(small);
    EXPECT_TRUE(small.Finish());
    EXPECT_EQ(streamed, expected);

    ScriptedSaveUi ui;
    ASSERT_TRUE(SaveTagFile(target(), "x", content, ui));
    EXPECT_EQ(ReadBytes(target()), expected);
    // A write that fails part-way (past the first 1 MiB chunk or not) keeps the old file whole.
    WriteFault fault{.failAfterBytes = 100};
    EXPECT_FALSE(SaveTagFile(target(), "x", [](TagWriter& w) { w.Line("other"); for (int i = 0; i < 100; ++i) w.Line(std::string(200, 'y')); }, ui, &fault));
    EXPECT_EQ(ui.cannotCreate, 1);
    EXPECT_EQ(ReadBytes(target()), expected);
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"list.txt"});
}

// Saving onto unusual targets: links, read-only files, long names, leftovers of a crash.
TEST_F(SaveFileTest, SavingThroughALinkReplacesTheFileItNames) {
    namespace fs = std::filesystem;
    fs::create_directories(dir.path() / "shared");
    fs::create_directories(dir.path() / "data");
    const auto real = dir.path() / "shared" / "list.txt";
    const auto link = dir.path() / "data" / "list.txt";
    WriteBytes(real, "old");
    fs::create_symlink("../shared/list.txt", link);  // relative to the link's folder
    ScriptedSaveUi ui;
    ASSERT_TRUE(SaveFile(link, "x", "new", ui));
    EXPECT_EQ(ui.asked, 1);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new");
    EXPECT_EQ(FolderEntries(dir.path() / "shared"), std::vector<std::string>{"list.txt"});
    EXPECT_EQ(FolderEntries(dir.path() / "data"), std::vector<std::string>{"list.txt"});

    // A link whose file does not exist yet: the file is made where the link points.
    const auto dangling = dir.path() / "data" / "new.txt";
    fs::create_symlink(dir.path() / "shared" / "made.txt", dangling);
    ASSERT_TRUE(SaveTagFile(dangling, "x", [](TagWriter& w) { w.Line("made"); }, ui));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(dir.path() / "shared" / "made.txt"), "made");

    // A loop of links cannot be saved.
    fs::create_symlink("b.txt", dir.path() / "data" / "a.txt");
    fs::create_symlink("a.txt", dir.path() / "data" / "b.txt");
    EXPECT_FALSE(SaveFile(dir.path() / "data" / "a.txt", "x", "loop", ui));
    EXPECT_EQ(ui.cannotCreate, 1);
}

TEST_F(SaveFileTest, AReadOnlyFileIsNotReplaced) {
    namespace fs = std::filesystem;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    WriteBytes(target(), "kept");
    fs::permissions(target(), readOnly);
    ScriptedSaveUi ui;
    EXPECT_FALSE(SaveFile(target(), "x", "replaced", ui));
    EXPECT_EQ(ui.cannotCreate, 1);
    EXPECT_EQ(ReadBytes(target()), "kept");
    EXPECT_EQ(fs::status(target()).permissions() & fs::perms::all, readOnly);
    // Through a link too; and a folder standing at the path is not replaced either.
    fs::create_symlink(target(), dir.path() / "link.txt");
    EXPECT_FALSE(SaveTagFile(dir.path() / "link.txt", "x", [](TagWriter& w) { w.Line("y"); }, ui));
    EXPECT_EQ(ReadBytes(target()), "kept");
    fs::create_directory(dir.path() / "folder.txt");
    EXPECT_FALSE(SaveFile(dir.path() / "folder.txt", "x", "y", ui));
    EXPECT_EQ(ui.cannotCreate, 3);
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{"folder.txt", "link.txt", "list.txt"}));

    // A writable file keeps its mode when replaced.
    const fs::perms shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write;
    WriteBytes(dir.path() / "shared.txt", "a");
    fs::permissions(dir.path() / "shared.txt", shared);
    ASSERT_TRUE(SaveFile(dir.path() / "shared.txt", "x", "b", ui));
    EXPECT_EQ(fs::status(dir.path() / "shared.txt").permissions() & fs::perms::all, shared);
}

TEST_F(SaveFileTest, LongNamesSaveAndCrashLeftoversAreRemoved) {
    namespace fs = std::filesystem;
    ScriptedSaveUi ui;
    // The longest name the file system takes (255 bytes) can be saved: the temporary name does
    // not grow with it.
    const std::string longName = std::string(251, 'n') + ".txt";
    ASSERT_TRUE(SaveFile(dir.path() / longName, "x", "long", ui));
    EXPECT_EQ(ReadBytes(dir.path() / longName), "long");

    // While a save runs, its temporary file is one of ours, named for its target.
    std::string leftover;
    {
        AtomicFile pending(target());
        ASSERT_TRUE(pending.Write("half"));
        for (const auto& name : FolderEntries(dir.path())) {
            if (IsOwnTemporaryName(name)) leftover = name;
        }
        ASSERT_EQ(leftover.size(), 24u);
        EXPECT_TRUE(IsOwnTemporaryName(leftover, "list.txt"));
        EXPECT_FALSE(IsOwnTemporaryName(leftover, "other.txt"));
    }
    // What a crash in mid-save would leave: one of our names for the same target.
    leftover.replace(12, 8, "00000000");
    WriteBytes(dir.path() / leftover, "left by a crash");
    // A leftover of another file, and an author's file that merely looks alike, stay.
    const std::string otherLeftover = leftover.substr(0, 3) + "0123abcd" + leftover.substr(11);
    ASSERT_TRUE(IsOwnTemporaryName(otherLeftover));
    WriteBytes(dir.path() / otherLeftover, "another file's leftover");
    WriteBytes(dir.path() / ".lw-notes.tmp", "the author's");

    ASSERT_TRUE(SaveFile(target(), "x", "saved", ui));  // the next save of list.txt
    EXPECT_FALSE(fs::exists(dir.path() / leftover));
    EXPECT_TRUE(fs::exists(dir.path() / otherLeftover));
    // Opening the project clears the rest.
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.path()), 1);
    EXPECT_EQ(FolderEntries(dir.path()), (std::vector<std::string>{".lw-notes.tmp", "list.txt", longName}));
}

}  // namespace
}  // namespace lw
