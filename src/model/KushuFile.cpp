// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KushuFile.h"

#include "model/CodeList.h"
#include "model/Cp932.h"
#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/TextLines.h"

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString CannotOpen = u"句集を開けません。\r"_s;
const QString CannotSave = u"句集を保存できません。\r"_s;

// "４行目（パスワード）のデータが不正です。": a line that is not what its place holds.
QString BadLine(int line, const QString& what = {}) {
    return u"%1行目%2のデータが不正です。"_s.arg(
        FullWidthNumber(line), what.isEmpty() ? QString() : u"（%1）"_s.arg(what));
}

struct BlockMarkers {
    QString Start;
    QString End;
};

BlockMarkers MarkersOf(EntryKind kind) {
    switch (kind) {
    case EntryKind::Jo:
        return {u"JOSTART--"_s, u"JOEND--"_s};
    case EntryKind::Ku:
        return {u"KUSTART--"_s, u"KUEND--"_s};
    case EntryKind::Batsu:
        return {u"BATSUSTART--"_s, u"BATSUEND--"_s};
    case EntryKind::Prof:
        return {u"PROFSTART--"_s, u"PROFEND--"_s};
    case EntryKind::Oku:
        break;
    }
    return {u"OKUSTART--"_s, u"OKUEND--"_s};
}

// A colour line: the number with blanks around it, as " 12648447 " or "-2147483633 ".
std::optional<ColourValue> ParseColourLine(QStringView line) {
    while (!line.isEmpty() && line.back() == u' ')
        line.chop(1);
    while (!line.isEmpty() && line.front() == u' ')
        line = line.sliced(1);
    // One sign may stand before the digits; from_chars itself takes only the minus.
    if (line.startsWith(u'+') && !line.sliced(1).startsWith(u'-'))
        line = line.sliced(1);
    const std::optional<qint64> value = ParseDecimal(line);
    if (!value || *value < std::numeric_limits<qint32>::min() ||
        *value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return ColourValue(*value);
}

class Parser {
public:
    Parser(QStringView text, int badLine)
        : m_lines(text)
        , m_badLine(badLine) {}

    Result<Kushu> Run();

private:
    // Each reads its part of the file; false when the file is refused.
    // The title, author, edition and password, then the start of 序.
    bool Header(Kushu& k);
    bool Entries(QList<KuEntry>& entries);
    std::optional<QStringView> Line();
    bool Colours(ColourSet& colours);
    bool Commentary(QString& commentary, const QString& endMarker);
    bool Fail(const QString& reason);
    QString LineLabel() const { return FullWidthNumber(m_lines.LineNumber()) + u"行目"_s; }

    LineReader m_lines;
    int m_badLine; // the first line that is not Shift-JIS, or 0
    // The first fault met; what follows it is not read.
    std::optional<QString> m_fault;
    ErrorKind m_kind = ErrorKind::BadContent;
};

bool Parser::Fail(const QString& reason) {
    if (!m_fault)
        m_fault = CannotOpen + reason;
    return false;
}

std::optional<QStringView> Parser::Line() {
    std::optional<QStringView> line = m_lines.Next();
    if (!line) {
        Fail(m_badLine > 0 ? UnreadableLine(m_badLine) : EndsBeforeMarker(u"OKUEND--"));
    }
    return line;
}

bool Parser::Colours(ColourSet& colours) {
    for (int slot = 0; slot < ColourSlotCount; ++slot) {
        const std::optional<QStringView> line = Line();
        if (!line)
            return false;
        const std::optional<ColourValue> value = ParseColourLine(*line);
        if (!value)
            return Fail(LineLabel() + u"の色のデータが数値ではありません。"_s);
        colours[slot] = *value;
    }
    return true;
}

bool Parser::Commentary(QString& commentary, const QString& endMarker) {
    // The first line always belongs to the commentary, whatever it says.
    const std::optional<QStringView> first = Line();
    if (!first)
        return false;
    QStringView last = *first;
    qsizetype lineChars = first->size();
    qsizetype lineCount = 1;
    while (true) {
        const std::optional<QStringView> line = Line();
        if (!line)
            return false;
        if (*line == endMarker)
            break;
        last = *line;
        lineChars += line->size();
        ++lineCount;
    }
    // The lines are kept joined by CR LF. Where every break in the file is CR LF already,
    // which the writer always makes, the commentary is that piece of the text, copied once.
    const QStringView piece(first->data(), last.data() + last.size());
    if (piece.size() == lineChars + 2 * (lineCount - 1)) {
        commentary = piece.toString();
        return true;
    }
    commentary.clear();
    commentary.reserve(lineChars + 2 * (lineCount - 1));
    const QList<QStringView> lines = SplitLines(piece);
    commentary += lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        commentary += u"\r\n"_s;
        commentary += lines.at(i);
    }
    return true;
}

Result<Kushu> Parser::Run() {
    Kushu k;
    if (Header(k) && Entries(k.Entries))
        return k;
    return Result<Kushu>::Failure(m_kind, *m_fault);
}

bool Parser::Header(Kushu& k) {
    for (QString* text : {&k.Title, &k.Author, &k.Edition, &k.Password}) {
        const std::optional<QStringView> line = Line();
        if (!line)
            return false;
        *text = line->toString();
    }
    const std::optional<QString> password = DecodeCodeList(k.Password);
    if (!password)
        return Fail(BadLine(m_lines.LineNumber(), u"パスワード"_s));
    k.Password = *password;
    const std::optional<QStringView> line = Line();
    if (!line)
        return false;
    if (*line != MarkersOf(EntryKind::Jo).Start) {
        m_kind = ErrorKind::HeaderOnly;
        return Fail(BadLine(5));
    }
    return true;
}

bool Parser::Entries(QList<KuEntry>& entries) {
    entries.clear(); // a Kushu starts with four empty pages
    entries.reserve(4);
    KuEntry jo;
    if (!Colours(jo.Colours) || !Commentary(jo.Commentary, MarkersOf(EntryKind::Jo).End))
        return false;
    entries.append(std::move(jo));

    // Any line other than "BATSUSTART--" where a block may begin opens a haiku block.
    const QString batsuStart = MarkersOf(EntryKind::Batsu).Start;
    const QString kuEnd = MarkersOf(EntryKind::Ku).End;
    while (true) {
        std::optional<QStringView> line = Line();
        if (!line)
            return false;
        if (*line == batsuStart)
            break;
        if (entries.size() - 1 >= MaxKuCount)
            return Fail(u"句の数が"_s + FullWidthNumber(MaxKuCount) + u"を超えています。"_s);
        KuEntry ku;
        if (!(line = Line()))
            return false;
        ku.Preface = line->toString();
        if (!(line = Line()))
            return false;
        const std::optional<QString> verse = DecodeCodeList(*line);
        if (!verse)
            return Fail(BadLine(m_lines.LineNumber(), u"句"_s));
        ku.Verse = *verse;
        if (!(line = Line()))
            return false;
        ku.Postscript = line->toString();
        if (!Colours(ku.Colours) || !Commentary(ku.Commentary, kuEnd))
            return false;
        entries.append(std::move(ku));
    }

    for (EntryKind kind : {EntryKind::Batsu, EntryKind::Prof, EntryKind::Oku}) {
        // The start line of 跋 was read by the loop; those of the others are not checked.
        if (kind != EntryKind::Batsu && !Line())
            return false;
        KuEntry page;
        if (!Colours(page.Colours) || !Commentary(page.Commentary, MarkersOf(kind).End))
            return false;
        entries.append(std::move(page));
    }
    // Anything after "OKUEND--" is not read.
    return true;
}

} // namespace

Result<Kushu> ParseKushu(QByteArrayView bytes) {
    const DecodedText decoded = DecodeFileText(bytes);
    return Parser(decoded.Text, decoded.BadLine).Run();
}

Result<Kushu> ReadKushuFile(const QString& path) {
    const Result<QByteArray> file = ReadFileBytes(path);
    if (!file.ok())
        return Result<Kushu>::Failure(file.kind(), CannotOpen + file.error());
    return ParseKushu(file.value());
}

Result<KushuHeader> ReadKushuHeader(const QString& path, int lineCount) {
    // The same message as reading the whole file gives for the same cause.
    const auto fail = [](const QString& reason, ErrorKind kind = ErrorKind::BadContent) {
        return Result<KushuHeader>::Failure(kind, CannotOpen + reason);
    };
    // The header is at the start; most files need only the first piece.
    Result<QByteArray> file = ReadFileBytes(path, qint64{64} * 1024);
    if (!file.ok())
        return fail(file.error(), file.kind());
    const bool whole = file.value().size() < qint64{64} * 1024;
    QList<QByteArrayView> lines = FirstByteLines(file.value(), lineCount, whole);
    if (lines.size() < lineCount && !whole) {
        file = ReadFileBytes(path);
        if (!file.ok())
            return fail(file.error(), file.kind());
        lines = FirstByteLines(file.value(), lineCount, true);
    }
    if (lines.size() < lineCount)
        return fail(EndsBeforeMarker(u"OKUEND--"));
    KushuHeader header;
    QString* fields[] = {&header.Title, &header.Author, &header.Edition};
    for (int i = 0; i < lineCount; ++i) {
        const std::optional<QString> text = cp932::Decode(lines[i]);
        if (!text)
            return fail(UnreadableLine(i + 1));
        if (i < 3) {
            *fields[i] = *text;
        } else {
            const std::optional<QString> password = DecodeCodeList(*text);
            if (!password)
                return fail(BadLine(4, u"パスワード"_s));
            header.Password = *password;
        }
    }
    return header;
}

namespace {

enum class Field { Title, Author, Edition, Password, Preface, Verse, Postscript, Commentary };

QString FieldName(Field field) {
    switch (field) {
    case Field::Title:
        return u"句集名"_s;
    case Field::Author:
        return u"作者名"_s;
    case Field::Edition:
        return u"版数"_s;
    case Field::Password:
        return u"パスワード"_s;
    case Field::Preface:
        return u"前書"_s;
    case Field::Verse:
        return u"句"_s;
    case Field::Postscript:
        return u"後書"_s;
    case Field::Commentary:
        break;
    }
    return u"解説・注釈"_s;
}

// Visits every text that goes into the file, in file order; entry -1 is the header. Stops
// at the first refusal of the visitor and returns it.
template <typename Visitor> Status ForEachField(const Kushu& k, Visitor visit) {
    const QString* header[] = {&k.Title, &k.Author, &k.Edition, &k.Password};
    const Field headerFields[] = {Field::Title, Field::Author, Field::Edition, Field::Password};
    for (int i = 0; i < 4; ++i) {
        if (Status checked = visit(-1, headerFields[i], *header[i]); !checked.ok())
            return checked;
    }
    for (int index = 0; index < k.Entries.size(); ++index) {
        const KuEntry& e = k.Entries.at(index);
        if (KindOfIndex(index, k.KuCount()) == EntryKind::Ku) {
            for (auto [field, text] :
                 {std::pair{Field::Preface, &e.Preface}, std::pair{Field::Verse, &e.Verse},
                  std::pair{Field::Postscript, &e.Postscript}}) {
                if (Status checked = visit(index, field, *text); !checked.ok())
                    return checked;
            }
        }
        if (Status checked = visit(index, Field::Commentary, e.Commentary); !checked.ok())
            return checked;
    }
    return {};
}

Status Refusal(const QString& reason) {
    return Status::Failure(ErrorKind::Refused, CannotSave + reason);
}

QString Where(const Kushu& k, int index, Field field) {
    return index < 0 ? FieldName(field) : EntryLabel(k, index) + u"の"_s + FieldName(field);
}

// Faults that change what the file means: line breaks in one-line fields, and commentary
// lines that the reader would take for the end of the block.
Status CheckLines(const Kushu& k) {
    return ForEachField(k, [&](int index, Field field, const QString& text) -> Status {
        if (field != Field::Commentary) {
            if (text.contains(u'\r'))
                return Refusal(Where(k, index, field) + u"に改行が含まれています。"_s);
            return {};
        }
        const QString end = MarkersOf(KindOfIndex(index, k.KuCount())).End;
        const int line = FirstLineEqualTo(text, end, 1);
        if (line >= 0) {
            return Refusal(Where(k, index, field) + u"に「"_s + end +
                           u"」だけの行があります。\r"
                           u"この行があると、句集を正しく読み込めなくなります。"_s);
        }
        return {};
    });
}

// Called when the whole text did not encode: names every character that does not, one line
// per field, so that the user can mend them all before the next try.
Status FindUnencodable(const Kushu& k) {
    constexpr int MaxLines = 10;
    QStringList lines;
    int more = 0;
    // The visitor never refuses: every field is looked at.
    static_cast<void>(ForEachField(k, [&](int index, Field field, const QString& text) -> Status {
        const QList<qsizetype> unstorable = cp932::UnstorableChars(text);
        if (unstorable.isEmpty())
            return {};
        if (lines.size() == MaxLines)
            ++more;
        else
            lines.append(Where(k, index, field) + u"に、Shift-JISで保存できない文字"_s +
                         cp932::DescribeChars(text, unstorable) + u"があります。"_s);
        return {};
    }));
    if (more > 0)
        lines.append(u"ほかに%1か所にもあります。"_s.arg(more));
    return lines.isEmpty() ? Status() : Refusal(lines.join(u'\r'));
}

// The file is built as bytes: markers, colour lines and code lists are ASCII and are written
// directly; only the texts go through the code page. Encoding is per character, so the
// texts encoded one by one give the same bytes as the whole file encoded at once.
class FileBuilder {
public:
    explicit FileBuilder(qsizetype estimate) { m_out.reserve(estimate); }

    void AsciiLine(QByteArrayView line) {
        m_out += line;
        m_out += "\r\n";
    }
    // False when a character has no Shift-JIS code.
    bool TextLine(QStringView text) {
        if (!text.isEmpty()) {
            const cp932::Encoded encoded = m_codec.Encode(text);
            if (!encoded.ok())
                return false;
            m_out += encoded.Bytes;
        }
        m_out += "\r\n";
        return true;
    }
    bool CodeListLine(QStringView text) {
        const cp932::Encoded encoded = m_codec.Encode(text);
        if (!encoded.ok())
            return false;
        AppendCodeList(m_out, encoded.Bytes);
        m_out += "\r\n";
        return true;
    }
    void Colours(const ColourSet& colours) {
        // " 12648447 " for a value of 0 or more, "-2147483633 " for a system colour: at
        // most 14 bytes a line.
        const qsizetype start = m_out.size();
        m_out.resize(start + qsizetype{ColourSlotCount} * 14);
        char* to = m_out.data() + start;
        for (ColourValue value : colours.Values) {
            if (value >= 0)
                *to++ = ' ';
            to = WriteDecimal(to, value);
            *to++ = ' ';
            *to++ = '\r';
            *to++ = '\n';
        }
        m_out.truncate(to - m_out.constData());
    }
    QByteArray Take() { return std::move(m_out); }

private:
    QByteArray m_out;
    cp932::Codec m_codec;
};

} // namespace

Result<QByteArray> SerializeKushu(const Kushu& k) {
    using Bytes = Result<QByteArray>;
    if (k.KuCount() < 0 || k.KuCount() > MaxKuCount)
        return Bytes::Failure(
            Refusal(u"句の数が%1を超えています。"_s.arg(FullWidthNumber(MaxKuCount))));
    if (const Status lines = CheckLines(k); !lines.ok())
        return Bytes::Failure(lines);

    qsizetype estimate = 256;
    for (const KuEntry& e : k.Entries) {
        estimate += (e.Preface.size() + e.Postscript.size() + e.Commentary.size()) * 2 +
                    e.Verse.size() * 7 + 220;
    }
    FileBuilder out(estimate);
    // The marker lines, in ASCII.
    QByteArray starts[5];
    QByteArray ends[5];
    for (EntryKind kind :
         {EntryKind::Jo, EntryKind::Ku, EntryKind::Batsu, EntryKind::Prof, EntryKind::Oku}) {
        starts[int(kind)] = MarkersOf(kind).Start.toLatin1();
        ends[int(kind)] = MarkersOf(kind).End.toLatin1();
    }

    bool encodable = out.TextLine(k.Title) && out.TextLine(k.Author) && out.TextLine(k.Edition) &&
                     out.CodeListLine(k.Password);
    const int kuCount = k.KuCount();
    for (int index = 0; encodable && index < k.Entries.size(); ++index) {
        const KuEntry& e = k.Entries.at(index);
        const EntryKind kind = KindOfIndex(index, kuCount);
        out.AsciiLine(starts[int(kind)]);
        if (kind == EntryKind::Ku) {
            encodable =
                out.TextLine(e.Preface) && out.CodeListLine(e.Verse) && out.TextLine(e.Postscript);
        }
        out.Colours(e.Colours);
        encodable = encodable && out.TextLine(e.Commentary);
        out.AsciiLine(ends[int(kind)]);
    }

    if (encodable)
        return out.Take();
    const Status fault = FindUnencodable(k);
    return Bytes::Failure(fault.ok() ? Refusal(u"Shift-JISで保存できない文字があります。"_s)
                                     : fault);
}

Status WriteKushuFile(const QString& appFolder, const Kushu& kushu) {
    // The title and the edition name the file; neither may lead it out of the folder.
    for (auto [text, what] :
         {std::pair{&kushu.Title, u"句集名"_s}, std::pair{&kushu.Edition, u"版数"_s}}) {
        if (const Status name = CheckFileNamePart(*text, what); !name.ok())
            return Refusal(name.error());
    }
    const Result<QByteArray> file = SerializeKushu(kushu);
    if (!file.ok())
        return Status::Failure(file);
    return SaveFileBytes(appFolder +
                             ExistingFileName(appFolder, KushuFileName(kushu.Title, kushu.Edition)),
                         file.value());
}

} // namespace yomiwa
