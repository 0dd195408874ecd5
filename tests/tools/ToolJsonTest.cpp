#include "KansoJson.h"
#include "KushuJson.h"
#include "TestSupport.h"
#include "ToolTestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

Kushu RandomKushu(Random& random, int kuCount) {
    Kushu k;
    k.Title = random.Text(8) + u"題"_s;
    k.Author = random.Text(6);
    k.Edition = random.Text(2);
    k.Password = random.Text(6);
    k.Entries = QList<KuEntry>(kuCount + 4);
    for (int i = 0; i < k.Entries.size(); ++i) {
        KuEntry& e = k.Entries[i];
        for (int slot = 0; slot < ColourSlotCount; ++slot)
            e.Colours[slot] = ColourValue(random.Next());
        e.Commentary = random.Text(30);
        for (int line = random.Below(4); line > 0; --line)
            e.Commentary += u"\r\n"_s + random.Text(30);
        if (KindOfIndex(i, kuCount) == EntryKind::Ku) {
            e.Preface = random.Text(10);
            e.Verse = random.Text(17);
            e.Postscript = random.Text(10);
        }
    }
    return k;
}

// Through the JSON text, as a file on disk would carry it.
QJsonValue ThroughText(const QJsonObject& object) {
    return QJsonDocument::fromJson(QJsonDocument(object).toJson()).object();
}

QJsonObject SmallJson() {
    return KushuToJson(MakeKushu(2));
}

QString RefusalOf(const std::function<void(QJsonObject&)>& change) {
    QJsonObject json = SmallJson();
    change(json);
    const KushuFromJsonResult result = KushuFromJson(json);
    EXPECT_EQ(result.Collection, Kushu()) << "a refused JSON gives nothing";
    return result.Error;
}

// Changes one entry of the JSON in place.
void EditEntry(QJsonObject& json, int index, const std::function<void(QJsonObject&)>& change) {
    QJsonArray entries = json[u"entries"_s].toArray();
    QJsonObject entry = entries[index].toObject();
    change(entry);
    entries[index] = entry;
    json[u"entries"_s] = entries;
}

void SetKinds(QJsonObject& json, const QStringList& kinds) {
    QJsonArray entries = json[u"entries"_s].toArray();
    while (entries.size() > kinds.size())
        entries.removeLast();
    while (entries.size() < kinds.size())
        entries.append(entries.last());
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        QJsonObject entry = entries[i].toObject();
        entry[u"kind"_s] = kinds[i];
        if (kinds[i] != u"Ku"_s) {
            for (const QString& key : {u"preface"_s, u"verse"_s, u"postscript"_s})
                entry[key] = QString();
        }
        entries[i] = entry;
    }
    json[u"entries"_s] = entries;
}

const QString LayoutRule = u"並びは Jo が1つ、Ku が0個以上、そして Batsu、Prof、Oku です。"_s;

} // namespace

TEST(ToolCollectionJson, RandomCollectionsRoundTrip) {
    Random random(77);
    for (int round = 0; round < 40; ++round) {
        const Kushu k = RandomKushu(random, random.Below(9));
        const KushuFromJsonResult back = KushuFromJson(ThroughText(KushuToJson(k)));
        ASSERT_TRUE(back.ok()) << back.Error.toStdString();
        EXPECT_EQ(back.Collection, k) << "round " << round;
    }
}

TEST(ToolCollectionJson, ShapeOfTheDump) {
    Kushu k = MakeKushu(1);
    k.Password = u"秘密"_s;
    k.Entries[0].Colours[WholeBack] = SystemColour(15);
    const QJsonObject json = KushuToJson(k);
    EXPECT_EQ(json.keys(),
              (QStringList{u"author"_s, u"edition"_s, u"entries"_s, u"password"_s, u"title"_s}));
    EXPECT_EQ(json[u"title"_s].toString(), u"春"_s);
    EXPECT_EQ(json[u"password"_s].toString(), u"秘密"_s);
    const QJsonArray entries = json[u"entries"_s].toArray();
    ASSERT_EQ(entries.size(), 5);
    const QStringList kinds = {u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject e = entries[i].toObject();
        EXPECT_EQ(e.keys(), (QStringList{u"colours"_s, u"commentary"_s, u"kind"_s, u"postscript"_s,
                                         u"preface"_s, u"verse"_s}));
        EXPECT_EQ(e[u"kind"_s].toString(), kinds[i]);
        EXPECT_EQ(e[u"colours"_s].toArray().size(), ColourSlotCount);
        EXPECT_EQ(e[u"verse"_s].toString().isEmpty(), i != 1);
    }
    EXPECT_EQ(entries[0].toObject()[u"colours"_s].toArray()[0].toInteger(), -2147483633);
    // CR LF inside a commentary stays as it is.
    const QByteArray text = QJsonDocument(json).toJson();
    EXPECT_TRUE(text.contains(R"("解説0\r\n二行目")")) << text.toStdString();
    EXPECT_TRUE(text.contains("-2147483633"));
}

TEST(ToolCollectionJson, SpecialPagesMayLeaveOutButNotFillTheHaikuFields) {
    QJsonObject json = SmallJson();
    EditEntry(json, 0, [](QJsonObject& e) {
        e.remove(u"preface"_s);
        e.remove(u"verse"_s);
        e.remove(u"postscript"_s);
    });
    const KushuFromJsonResult result = KushuFromJson(json);
    ASSERT_TRUE(result.ok()) << result.Error.toStdString();
    EXPECT_EQ(result.Collection, MakeKushu(2));

    EXPECT_EQ(RefusalOf([](QJsonObject& j) {
                  EditEntry(j, 3, [](QJsonObject& e) { e[u"verse"_s] = u"句"_s; });
              }),
              u"「entries[3].verse」は空でなければなりません（Batsu "
              u"のページには前書・句・後書がありません）。"_s);
    // A haiku must have all three.
    EXPECT_EQ(RefusalOf([](QJsonObject& j) {
                  EditEntry(j, 1, [](QJsonObject& e) { e.remove(u"postscript"_s); });
              }),
              u"「entries[1].postscript」がありません。"_s);
}

TEST(ToolCollectionJson, KindsMustFormTheLayout) {
    auto refusal = [](const QStringList& kinds) {
        return RefusalOf([&](QJsonObject& j) { SetKinds(j, kinds); });
    };
    EXPECT_EQ(
        refusal({u"Ku"_s, u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s}),
        u"entries の種類の並びが正しくありません：entries[0] が「Ku」です（ここは「Jo」です）。"_s +
            LayoutRule);
    EXPECT_EQ(
        refusal({u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Ku"_s, u"Prof"_s, u"Oku"_s}),
        u"entries の種類の並びが正しくありません：entries[3] が「Ku」です（ここは「Prof」です）。"_s +
            LayoutRule);
    EXPECT_EQ(
        refusal({u"Jo"_s, u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s}),
        u"entries の種類の並びが正しくありません：entries[1] が「Jo」です（ここは「Batsu」です）。"_s +
            LayoutRule);
    EXPECT_EQ(refusal({u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Prof"_s}),
              u"entries の種類の並びが正しくありません：「Oku」の前で終わっています。"_s +
                  LayoutRule);
    EXPECT_EQ(refusal({u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s, u"Oku"_s}),
              u"entries の種類の並びが正しくありません：「Oku」のあとに entries[4] があります。"_s +
                  LayoutRule);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j[u"entries"_s] = QJsonArray(); }),
              u"entries の種類の並びが正しくありません：「Jo」の前で終わっています。"_s +
                  LayoutRule);
    EXPECT_EQ(refusal({u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Prof"_s, u"奥付"_s}),
              u"「entries[4].kind」の「奥付」は種類ではありません（Jo, Ku, Batsu, Prof, Oku "
              u"のいずれかです）。"_s);
    // No haiku at all is a valid collection.
    QJsonObject json = SmallJson();
    SetKinds(json, {u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s});
    const KushuFromJsonResult empty = KushuFromJson(json);
    ASSERT_TRUE(empty.ok()) << empty.Error.toStdString();
    EXPECT_EQ(empty.Collection.KuCount(), 0);
}

TEST(ToolCollectionJson, MissingAndMistypedFields) {
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j.remove(u"title"_s); }),
              u"「title」がありません。"_s);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j.remove(u"entries"_s); }),
              u"「entries」がありません。"_s);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j[u"password"_s] = 12; }),
              u"「password」は文字列でなければなりません。"_s);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j[u"entries"_s] = u"x"_s; }),
              u"「entries」は配列でなければなりません。"_s);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) { j[u"titel"_s] = u"x"_s; }),
              u"「titel」は使えない項目です（使える項目：title, author, edition, password, "
              u"entries）。"_s);
    EXPECT_EQ(RefusalOf([](QJsonObject& j) {
                  QJsonArray entries = j[u"entries"_s].toArray();
                  entries[2] = 5;
                  j[u"entries"_s] = entries;
              }),
              u"「entries[2]」はオブジェクトでなければなりません。"_s);
    const std::pair<std::function<void(QJsonObject&)>, QString> entryFaults[] = {
        {[](QJsonObject& e) { e.remove(u"kind"_s); }, u"「entries[1].kind」がありません。"_s},
        {[](QJsonObject& e) { e.remove(u"commentary"_s); },
         u"「entries[1].commentary」がありません。"_s},
        {[](QJsonObject& e) { e.remove(u"colours"_s); }, u"「entries[1].colours」がありません。"_s},
        {[](QJsonObject& e) { e[u"verse"_s] = QJsonValue(); },
         u"「entries[1].verse」は文字列でなければなりません。"_s},
        {[](QJsonObject& e) { e[u"colors"_s] = QJsonArray(); },
         u"「entries[1].colors」は使えない項目です（使える項目：kind, preface, verse, postscript, "
         u"commentary, colours）。"_s},
        {[](QJsonObject& e) { e[u"colours"_s] = 5; },
         u"「entries[1].colours」は配列でなければなりません。"_s},
    };
    for (const auto& [change, message] : entryFaults) {
        EXPECT_EQ(RefusalOf([&](QJsonObject& j) { EditEntry(j, 1, change); }), message);
    }
}

TEST(ToolCollectionJson, ColoursAreElevenSigned32BitIntegers) {
    auto refusal = [](const QJsonArray& colours) {
        return RefusalOf([&](QJsonObject& j) {
            EditEntry(j, 2, [&](QJsonObject& e) { e[u"colours"_s] = colours; });
        });
    };
    QJsonArray ten;
    for (int i = 0; i < 10; ++i)
        ten.append(i);
    QJsonArray twelve = ten;
    twelve.append(10);
    twelve.append(11);
    EXPECT_EQ(refusal(ten),
              u"「entries[2].colours」は11個の整数の配列でなければなりません（10個あります）。"_s);
    EXPECT_EQ(refusal(twelve),
              u"「entries[2].colours」は11個の整数の配列でなければなりません（12個あります）。"_s);
    const QString notInteger =
        u"「entries[2].colours[10]」は-2147483648から2147483647までの整数でなければなりません。"_s;
    for (const QJsonValue& bad :
         {QJsonValue(1.5), QJsonValue(u"1"_s), QJsonValue(true), QJsonValue(2147483648.0),
          QJsonValue(-2147483649.0), QJsonValue(QJsonValue::Null)}) {
        QJsonArray colours = ten;
        colours.append(bad);
        EXPECT_EQ(refusal(colours), notInteger);
    }
    // The extremes and a whole number written with a point are colours.
    QJsonObject json = SmallJson();
    EditEntry(json, 2, [](QJsonObject& e) {
        e[u"colours"_s] = QJsonArray{-2147483648.0, 2147483647, 3.0, 0, 0, 0, 0, 0, 0, 0, 0};
    });
    const KushuFromJsonResult result = KushuFromJson(json);
    ASSERT_TRUE(result.ok()) << result.Error.toStdString();
    const ColourSet& c = result.Collection.Entries[2].Colours;
    EXPECT_EQ(c[0], std::numeric_limits<qint32>::min());
    EXPECT_EQ(c[1], 2147483647);
    EXPECT_EQ(c[2], 3);
}

TEST(ToolCommentsJson, RoundTripAndRefusals) {
    const QStringList comments = {QString(), u"よい句\r\n二行目"_s, u"a\nb"_s, u"末尾\r\n"_s};
    const CommentsFromJsonResult back = CommentsFromJson(ThroughText(CommentsToJson(comments)));
    ASSERT_TRUE(back.ok()) << back.Error.toStdString();
    EXPECT_EQ(back.Comments, comments);
    EXPECT_TRUE(QJsonDocument(CommentsToJson(comments)).toJson().contains(R"("よい句\r\n二行目")"));

    const std::pair<QJsonValue, QString> faults[] = {
        {QJsonArray{u"a"_s}, u"JSON の一番外側はオブジェクト { ... } でなければなりません。"_s},
        {QJsonObject{}, u"「comments」がありません。"_s},
        {QJsonObject{{u"comments"_s, u"a"_s}}, u"「comments」は配列でなければなりません。"_s},
        {QJsonObject{{u"comments"_s, QJsonArray{u"a"_s, 3}}},
         u"「comments[1]」は文字列でなければなりません。"_s},
        {QJsonObject{{u"comments"_s, QJsonArray()}, {u"title"_s, u"a"_s}},
         u"「title」は使えない項目です（使える項目：comments）。"_s},
    };
    for (const auto& [json, message] : faults) {
        const CommentsFromJsonResult result = CommentsFromJson(json);
        EXPECT_EQ(result.Error, message);
        EXPECT_TRUE(result.Comments.isEmpty());
    }
}
