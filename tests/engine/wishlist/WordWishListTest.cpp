#include "engine/wishlist/WordWishListUn.h"
#include "platform/TextFile.h"
#include "support/FakeServices.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace {

// Records every event of a wish list as "+index WORD" or "-index WORD".
struct EventLog {
    explicit EventLog(TWordWishList& list) {
        list.OnWordAdded = [this](TObject*, int idx, const QString& wrd) {
            events << QString("+%1 %2").arg(idx).arg(wrd);
        };
        list.OnWordRemoved = [this](TObject*, int idx, const QString& wrd) {
            events << QString("-%1 %2").arg(idx).arg(wrd);
        };
    }
    QStringList events;
};

void WriteBytes(const QString& fileName, const QByteArray& bytes) {
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Short pieces of few letters in random case, some with punctuation or
// empty, so that many repeat in other spellings and some are refused.
QStringList ShuffledPieces(int Count) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter(0, 3);
    std::uniform_int_distribution<int> length(0, 6);
    std::uniform_int_distribution<int> extra(0, 9);
    QStringList pieces;
    for (int i = 0; i < Count; ++i) {
        QString piece;
        for (int n = length(random); n > 0; --n)
            piece += QChar((extra(random) < 5 ? 'a' : 'A') + letter(random));
        if (extra(random) == 0)
            piece.insert(piece.size() / 2, "- ");
        pieces << piece;
    }
    return pieces;
}

} // namespace

TEST(WordWishList, NormalisesOnAdd) {
    struct Case {
        const char* text;
        const char* entry; // nullptr: refused
    } cases[] = {
        {"it", nullptr},
        {"a-b-c", "ABC"},
        {"hello world", "HELLOWORLD"},
        {"r2d2", "R2D2"},
        {"  x.y  ", nullptr},
        {"", nullptr},
        {"\xC3\xA9t\xC3\xA9s", nullptr},
        {"caf\xC3\xA9s", "CAFS"},
    };
    for (const Case& c : cases) {
        TWordWishList list;
        EventLog log(list);
        const int index = list.Add(QString::fromUtf8(c.text));
        if (!c.entry) {
            EXPECT_EQ(-1, index) << c.text;
            EXPECT_EQ(0, list.Count()) << c.text;
            EXPECT_TRUE(log.events.isEmpty()) << c.text;
        } else {
            EXPECT_EQ(0, index) << c.text;
            EXPECT_EQ(QStringList{c.entry}, list.Lines()) << c.text;
            EXPECT_EQ(QStringList{QString("+0 ") + c.entry}, log.events) << c.text;
        }
    }
}

TEST(WordWishList, SortedDuplicateYieldsExistingIndexAndStillFires) {
    TWordWishList list;
    list.Add("PEAR");
    list.Add("APPLE");
    EventLog log(list);
    EXPECT_EQ(0, list.Add("Apple"));
    EXPECT_EQ(1, list.Add("fig"));
    EXPECT_EQ((QStringList{"APPLE", "FIG", "PEAR"}), list.Lines());
    EXPECT_EQ((QStringList{"+0 APPLE", "+1 FIG"}), log.events);
}

TEST(WordWishList, MinWordSizeAndPuzzleWordsRefuse) {
    TWordWishList list;
    list.SetMinWordSize(5);
    EXPECT_EQ(-1, list.Add("tige"));
    EXPECT_EQ(0, list.Add("TIGER!")); // five letters once normalised
    EXPECT_EQ(1, list.Count());
    const TStringList puzzleWords(QStringList{"CAMEL", "HORSE"});
    list.SetWordList(&puzzleWords);
    EventLog log(list);
    EXPECT_EQ(-1, list.Add("camel"));
    EXPECT_EQ(-1, list.Add("lion"));
    EXPECT_EQ(1, list.Add("ZEBRAS"));
    EXPECT_EQ((QStringList{"+1 ZEBRAS"}), log.events);
}

TEST(WordWishList, RemoveWordAndClear) {
    TWordWishList list;
    list.AddStrings({"CAT", "DOG", "EMU"});
    EventLog log(list);
    list.RemoveWord("dog");
    list.RemoveWord("YAK");
    EXPECT_EQ((QStringList{"CAT", "EMU"}), list.Lines());
    EXPECT_EQ((QStringList{"-1 dog"}), log.events);
    list.Clear();
    EXPECT_EQ(0, list.Count());
    EXPECT_EQ(1, log.events.size());
}

TEST(WordWishList, AssignFromStringListsOnly) {
    TWordWishList list;
    list.Add("OLD");
    TStringList source(QStringList{"owl", "", "  ", "bat", "OWL"});
    EventLog log(list);
    list.Assign(&source);
    EXPECT_EQ((QStringList{"BAT", "OWL"}), list.Lines());
    EXPECT_EQ((QStringList{"+0 OWL", "+0 BAT", "+1 OWL"}), log.events);
    TPersistent other;
    list.Assign(&other);
    list.Assign(nullptr);
    list.Assign(&list);
    EXPECT_EQ((QStringList{"BAT", "OWL"}), list.Lines());
}

TEST(WordWishList, TextFileRoundTripAndTabPieces) {
    FakeServices fake;
    const QString name = fake.Folder() + "/wishes.txt";
    TWordWishList list;
    list.AddStrings({"zebra", "ant", "mole"});
    list.SaveToTextFile(name);
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QByteArray("ANT\r\nMOLE\r\nZEBRA\r\n"), file.readAll());

    TWordWishList loaded;
    loaded.Add("EEL");
    loaded.LoadFromTextFile(name);
    EXPECT_EQ((QStringList{"ANT", "EEL", "MOLE", "ZEBRA"}), loaded.Lines());

    WriteBytes(name, "one\ttwo\t\tthree\nfo ur\tab\r\n\tfive\t");
    TWordWishList pieces;
    EventLog log(pieces);
    pieces.LoadFromTextFile(name);
    EXPECT_EQ((QStringList{"FIVE", "FOUR", "ONE", "THREE", "TWO"}), pieces.Lines());
    EXPECT_EQ(5, log.events.size());
}

TEST(WordWishList, FileWithANulByteIsRefusedAndAddsNothing) {
    FakeServices fake;
    const QString name = fake.Folder() + "/words.bin";
    // Wherever the NUL lies: in the first line, after good lines, or far
    // beyond the first block the check reads.
    const QByteArray files[] = {
        QByteArray("\0cat\r\n", 6),
        QByteArray("dog\r\nemu\r\nf\0x\r\n", 15),
        QByteArray(200000, 'a') + QByteArray("\r\nyak\0", 6),
    };
    for (const QByteArray& bytes : files) {
        WriteBytes(name, bytes);
        TWordWishList list;
        list.Add("KEEP");
        EventLog log(list);
        try {
            list.LoadFromTextFile(name);
            ADD_FAILURE() << "a binary file was read as words";
        } catch (const Exception& error) {
            EXPECT_EQ(QString("File \"%1\" is not a word list").arg(name), error.Message());
        }
        EXPECT_EQ(QStringList{"KEEP"}, list.Lines());
        EXPECT_TRUE(log.events.isEmpty());
    }
}

TEST(WordWishList, TextFileErrorsRaiseAndKeepEntries) {
    FakeServices fake;
    TWordWishList list;
    list.Add("KEEP");
    EXPECT_THROW(list.LoadFromTextFile(fake.Folder() + "/missing.txt"), EInOutError);
    EXPECT_THROW(list.SaveToTextFile(fake.Folder() + "/none/wishes.txt"), EInOutError);
    EXPECT_EQ(QStringList{"KEEP"}, list.Lines());
}

// A whole file or a whole list at once gives the entries and the events
// that adding its words one after another gives.
TEST(WordWishList, ImportAndAssignMatchAddingOneByOne) {
    FakeServices fake;
    const QString name = fake.Folder() + "/words.txt";
    const QStringList pieces = ShuffledPieces(3000);
    QByteArray bytes;
    for (int i = 0; i < pieces.size(); ++i)
        bytes += pieces[i].toLatin1() + (i % 3 == 2 ? "\r\n" : "\t");
    WriteBytes(name, bytes);
    const TStringList puzzle(QStringList{"ABBA", "CAB"});
    struct Case {
        int minWordSize;
        QStringList held;
    } cases[] = {{3, {}}, {3, {"ACDC", "BAD", "DAD", "ZZZ"}}, {0, {"AAAA", "DDD"}}};
    for (const Case& c : cases) {
        const auto makeList = [&] {
            auto list = std::make_unique<TWordWishList>();
            list->SetMinWordSize(c.minWordSize);
            list->AddStrings(c.held);
            list->SetWordList(&puzzle);
            return list;
        };
        const auto oneByOne = makeList();
        EventLog expected(*oneByOne);
        for (const QString& piece : pieces)
            oneByOne->Add(piece);
        ASSERT_GT(oneByOne->Count(), 100);

        const auto imported = makeList();
        EventLog events(*imported);
        imported->LoadFromTextFile(name);
        EXPECT_EQ(oneByOne->Lines(), imported->Lines()) << c.minWordSize;
        EXPECT_EQ(expected.events, events.events) << c.minWordSize;

        QStringList lines = pieces;
        lines.removeAll(QString());
        const auto assignedOneByOne = makeList();
        EventLog expectedAssigned(*assignedOneByOne);
        assignedOneByOne->Clear();
        for (const QString& line : lines)
            assignedOneByOne->Add(line);
        const auto assigned = makeList();
        EventLog assignedEvents(*assigned);
        TStringList source(pieces);
        assigned->Assign(&source);
        EXPECT_EQ(assignedOneByOne->Lines(), assigned->Lines()) << c.minWordSize;
        EXPECT_EQ(expectedAssigned.events, assignedEvents.events) << c.minWordSize;
    }
}
