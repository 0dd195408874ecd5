// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/KushuJson.h"

#include "tools/JsonFields.h"
#include "tools/JsonWriter.h"

#include <QJsonArray>
#include <QJsonObject>

namespace yomiwa::tool {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString TitleKey = u"title"_s;
const QString AuthorKey = u"author"_s;
const QString EditionKey = u"edition"_s;
const QString PasswordKey = u"password"_s;
const QString EntriesKey = u"entries"_s;
const QString KindField = u"kind"_s;
const QString PrefaceKey = u"preface"_s;
const QString VerseKey = u"verse"_s;
const QString PostscriptKey = u"postscript"_s;
const QString CommentaryKey = u"commentary"_s;
const QString ColoursKey = u"colours"_s;

constexpr EntryKind AllKinds[] = {EntryKind::Jo, EntryKind::Ku, EntryKind::Batsu, EntryKind::Prof,
                                  EntryKind::Oku};

struct ReadEntry {
    EntryKind Kind = EntryKind::Ku;
    KuEntry Entry;
};

Result<ReadEntry> EntryFromJson(const QJsonValue& value, int index) {
    using Read = Result<ReadEntry>;
    const QString place = u"%1[%2]"_s.arg(EntriesKey, QString::number(index));
    if (!value.isObject())
        return Read::Failure(ErrorKind::BadContent,
                             u"「%1」はオブジェクトでなければなりません。"_s.arg(place));
    const QJsonObject object = value.toObject();
    JsonFields fields(object, place);
    if (!fields.OnlyKnown(
            {KindField, PrefaceKey, VerseKey, PostscriptKey, CommentaryKey, ColoursKey}))
        return fields.Fault<ReadEntry>();
    const std::optional<QString> kindKey = fields.Text(KindField);
    if (!kindKey)
        return fields.Fault<ReadEntry>();
    const std::optional<EntryKind> kind = KindFromKey(*kindKey);
    if (!kind) {
        fields.Fail(
            u"「%1」の「%2」は種類ではありません（Jo, Ku, Batsu, Prof, Oku のいずれかです）。"_s
                .arg(fields.Place(KindField), *kindKey));
        return fields.Fault<ReadEntry>();
    }
    ReadEntry read;
    read.Kind = *kind;
    // A special page has no preface, verse or postscript in the file; one given here would
    // be lost on the way.
    const bool ku = *kind == EntryKind::Ku;
    for (auto [key, field] :
         {std::pair{&PrefaceKey, &read.Entry.Preface}, std::pair{&VerseKey, &read.Entry.Verse},
          std::pair{&PostscriptKey, &read.Entry.Postscript}}) {
        const std::optional<QString> text = fields.Text(*key, ku);
        if (!text)
            return fields.Fault<ReadEntry>();
        if (!ku && !text->isEmpty()) {
            fields.Fail(
                u"「%1」は空でなければなりません（%2 のページには前書・句・後書がありません）。"_s
                    .arg(fields.Place(*key), *kindKey));
            return fields.Fault<ReadEntry>();
        }
        *field = *text;
    }
    const std::optional<QString> commentary = fields.Text(CommentaryKey);
    if (!commentary)
        return fields.Fault<ReadEntry>();
    read.Entry.Commentary = WithFileLineBreaks(*commentary);
    const std::optional<QList<qint32>> colours = fields.Integers(ColoursKey, ColourSlotCount);
    if (!colours)
        return fields.Fault<ReadEntry>();
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        read.Entry.Colours[slot] = colours->at(slot);
    return read;
}

// One Jo, any number of Ku, then Batsu, Prof, Oku and nothing after; a fault names the
// first entry out of place.
Status CheckLayout(const QList<EntryKind>& kinds) {
    // The first entry out of place, then the rule.
    const auto fault = [](const QString& what) {
        return Status::Failure(
            ErrorKind::BadContent,
            u"entries の種類の並びが正しくありません：%1並びは Jo が1つ、Ku が0個以上、そして "
            u"Batsu、Prof、Oku です。"_s.arg(what));
    };
    const EntryKind tail[] = {EntryKind::Batsu, EntryKind::Prof, EntryKind::Oku};
    qsizetype i = 0;
    auto expect = [&](EntryKind kind) -> Status {
        if (i >= kinds.size()) {
            return fault(u"「%1」の前で終わっています。"_s.arg(KindKey(kind)));
        }
        if (kinds.at(i) != kind) {
            return fault(u"entries[%1] が「%2」です（ここは「%3」です）。"_s.arg(
                QString::number(i), KindKey(kinds.at(i)), KindKey(kind)));
        }
        ++i;
        return {};
    };
    if (Status first = expect(EntryKind::Jo); !first.ok())
        return first;
    while (i < kinds.size() && kinds.at(i) == EntryKind::Ku)
        ++i;
    for (EntryKind kind : tail) {
        if (Status next = expect(kind); !next.ok())
            return next;
    }
    if (i < kinds.size()) {
        return fault(u"「Oku」のあとに entries[%1] があります。"_s.arg(QString::number(i)));
    }
    return {};
}

} // namespace

QString KindKey(EntryKind kind) {
    // In the order of EntryKind.
    static const QString keys[] = {u"Jo"_s, u"Ku"_s, u"Batsu"_s, u"Prof"_s, u"Oku"_s};
    return keys[int(kind)];
}

std::optional<EntryKind> KindFromKey(const QString& key) {
    for (EntryKind kind : AllKinds) {
        if (KindKey(kind) == key)
            return kind;
    }
    return std::nullopt;
}

QByteArray KushuJsonText(const Kushu& kushu) {
    // At most three bytes a character, and the fixed part of an entry: its keys, kind,
    // eleven colours of up to eleven digits and the indentation, about 640 bytes.
    qsizetype estimate = 256;
    for (const KuEntry& e : kushu.Entries) {
        estimate +=
            (e.Preface.size() + e.Verse.size() + e.Postscript.size() + e.Commentary.size()) * 3 +
            640;
    }
    JsonWriter json(estimate);
    json.BeginObject();
    json.Key(AuthorKey);
    json.String(kushu.Author);
    json.Key(EditionKey);
    json.String(kushu.Edition);
    json.Key(EntriesKey);
    json.BeginArray();
    const int kuCount = kushu.KuCount();
    for (int index = 0; index < kushu.Entries.size(); ++index) {
        const KuEntry& e = kushu.Entries.at(index);
        const EntryKind kind = KindOfIndex(index, kuCount);
        // A special page has no preface, verse or postscript in the file.
        const bool ku = kind == EntryKind::Ku;
        json.BeginObject();
        json.Key(ColoursKey);
        json.Integers(e.Colours.Values);
        json.Key(CommentaryKey);
        json.String(e.Commentary);
        json.Key(KindField);
        json.String(KindKey(kind));
        json.Key(PostscriptKey);
        json.String(ku ? QStringView(e.Postscript) : QStringView());
        json.Key(PrefaceKey);
        json.String(ku ? QStringView(e.Preface) : QStringView());
        json.Key(VerseKey);
        json.String(ku ? QStringView(e.Verse) : QStringView());
        json.EndObject();
    }
    json.EndArray();
    json.Key(PasswordKey);
    json.String(kushu.Password);
    json.Key(TitleKey);
    json.String(kushu.Title);
    json.EndObject();
    return json.Take();
}

Result<Kushu> KushuFromJson(const QJsonValue& root) {
    using Read = Result<Kushu>;
    if (!root.isObject())
        return Read::Failure(ErrorKind::BadContent, NotAnObjectMessage());
    const QJsonObject object = root.toObject();
    JsonFields fields(object, QString());
    if (!fields.OnlyKnown({TitleKey, AuthorKey, EditionKey, PasswordKey, EntriesKey}))
        return fields.Fault<Kushu>();
    Kushu k;
    for (auto [key, field] :
         {std::pair{&TitleKey, &k.Title}, std::pair{&AuthorKey, &k.Author},
          std::pair{&EditionKey, &k.Edition}, std::pair{&PasswordKey, &k.Password}}) {
        const std::optional<QString> text = fields.Text(*key);
        if (!text)
            return fields.Fault<Kushu>();
        *field = *text;
    }
    const std::optional<QJsonArray> array = fields.Array(EntriesKey);
    if (!array)
        return fields.Fault<Kushu>();
    QList<KuEntry> entries;
    QList<EntryKind> kinds;
    entries.reserve(array->size());
    kinds.reserve(array->size());
    for (qsizetype i = 0; i < array->size(); ++i) {
        Result<ReadEntry> read = EntryFromJson(array->at(i), int(i));
        if (!read.ok())
            return Read::Failure(read);
        kinds.append(read.value().Kind);
        entries.append(std::move(read).value().Entry);
    }
    if (const Status layout = CheckLayout(kinds); !layout.ok())
        return Read::Failure(layout);
    k.Entries = std::move(entries);
    return k;
}

} // namespace yomiwa::tool
