// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/TestSupport.h"
#include "tools/KansoJson.h"
#include "tools/KushuJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject Parsed(const QByteArray& text) {
    return QJsonDocument::fromJson(text).object();
}

using Change = std::function<void(QJsonObject&)>;

// Changes one entry of a collection's JSON in place.
Change InEntry(int index, const std::function<void(QJsonObject&)>& change) {
    return [=](QJsonObject& json) {
        QJsonArray entries = json[u"entries"_s].toArray();
        QJsonObject entry = entries[index].toObject();
        change(entry);
        entries[index] = entry;
        json[u"entries"_s] = entries;
    };
}

Change SetInEntry(int index, const QString& key, const QJsonValue& value) {
    return InEntry(index, [=](QJsonObject& entry) { entry[key] = value; });
}

// Entries of these kinds, each otherwise valid.
Change Kinds(const QStringList& kinds) {
    return [=](QJsonObject& json) {
        const QJsonObject special = json[u"entries"_s].toArray()[0].toObject();
        QJsonArray entries;
        for (const QString& kind : kinds) {
            QJsonObject entry = special;
            entry[u"kind"_s] = kind;
            entries.append(entry);
        }
        json[u"entries"_s] = entries;
    };
}

// Entry 2 with ten good colours and `last` as the eleventh.
Change LastColour(const QJsonValue& last) {
    return SetInEntry(2, u"colours"_s, QJsonArray{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, last});
}

} // namespace

TEST(ToolJson, RandomCollectionsRoundTripInQtsOwnLayout) {
    Random random(77);
    for (int round = 0; round < 40; ++round) {
        Kushu k = RandomKushu(random);
        k.Entries[0].Colours[WholeBack] = SystemColour(15);
        const QByteArray text = KushuJsonText(k);
        // Written as it is made, yet exactly what QJsonDocument writes: layout, key order,
        // escapes, signed colours.
        EXPECT_EQ(text, QJsonDocument(Parsed(text)).toJson()) << "round " << round;
        EXPECT_EQ(KushuFromJson(Parsed(text)).value(), k) << "round " << round;
    }
}

// What the file can hold is taken; anything else is refused, naming the first fault, and
// gives nothing.
TEST(ToolJson, AcceptsWhatTheFileCanHoldAndRefusesTheRest) {
    const QString order = u"entries の種類の並びが正しくありません："_s;
    const QString rule = u"並びは Jo が1つ、Ku が0個以上、そして Batsu、Prof、Oku です。"_s;
    const QString colour = u"「entries[2].colours[10]」は-2147483648から2147483647までの"
                           u"整数でなければなりません。"_s;
    const Change noTexts = InEntry(0, [](QJsonObject& e) {
        for (const QString& key : {u"preface"_s, u"verse"_s, u"postscript"_s})
            e.remove(key);
    });
    const std::pair<Change, QString> cases[] = {
        {noTexts, {}},
        {[](QJsonObject& j) { j.remove(u"title"_s); }, u"「title」がありません。"_s},
        {[](QJsonObject& j) { j[u"titel"_s] = u"x"_s; },
         u"「titel」は使えない項目です（使える項目：title, author, edition, password, "
         u"entries）。"_s},
        {SetInEntry(3, u"verse"_s, u"句"_s),
         u"「entries[3].verse」は空でなければなりません（Batsu のページには前書・句・後書が"
         u"ありません）。"_s},
        {Kinds({u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Prof"_s, u"奥付"_s}),
         u"「entries[4].kind」の「奥付」は種類ではありません（Jo, Ku, Batsu, Prof, Oku の"
         u"いずれかです）。"_s},
        {Kinds({u"Ku"_s, u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s}),
         order + u"entries[0] が「Ku」です（ここは「Jo」です）。"_s + rule},
        {Kinds({u"Jo"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s, u"Oku"_s}),
         order + u"「Oku」のあとに entries[4] があります。"_s + rule},
        {SetInEntry(2, u"colours"_s, QJsonArray{1, 2}),
         u"「entries[2].colours」は11個の整数の配列でなければなりません（2個あります）。"_s},
        {LastColour(3.0), {}}, // a whole number written as a fraction
        {LastColour(1.5), colour},
        {LastColour(2147483648.0), colour},
    };
    for (const auto& [change, message] : cases) {
        QJsonObject json = Parsed(KushuJsonText(MakeKushu(2)));
        change(json);
        const Error refused = {ErrorKind::BadContent, message};
        EXPECT_EQ(ErrorOf(KushuFromJson(json)), message.isEmpty() ? Error{} : refused);
    }
}

// A lone CR ends a line in the files, so the texts that take lines read it as their line
// break: the file then reads back as it was given.
TEST(ToolJson, ALoneCarriageReturnIsTheFilesLineBreak) {
    QJsonObject json = Parsed(KushuJsonText(MakeKushu(2)));
    SetInEntry(2, u"commentary"_s, u"一\r二\r\n三\r"_s)(json);
    EXPECT_EQ(KushuFromJson(json).value().Entries[2].Commentary, u"一\r\n二\r\n三\r\n"_s);
    const QJsonObject comments{{u"comments"_s, QJsonArray{u"a\rb\nc"_s}}};
    EXPECT_EQ(CommentsFromJson(comments).value(), QStringList{u"a\r\nb\nc"_s});
}
