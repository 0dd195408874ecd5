// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the JSON the tool builds files from: what the reader takes as a collection or
// as comments must come back the same from the JSON the tool writes of it, and from the
// file it would build.
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "tools/KansoJson.h"
#include "tools/KushuJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace yomiwa;
using namespace yomiwa::tool;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

QJsonValue RootOf(const QByteArray& json) {
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return QJsonValue(QJsonValue::Undefined);
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

void CheckCollection(const QJsonValue& root) {
    const Result<Kushu> read = KushuFromJson(root);
    if (!read.ok()) {
        Check(read.kind() == ErrorKind::BadContent && !read.error().isEmpty());
        return;
    }
    const Kushu& k = read.value();
    const QByteArray json = KushuJsonText(k);
    const Result<Kushu> again = KushuFromJson(RootOf(json));
    Check(again.ok() && again.value() == k && KushuJsonText(again.value()) == json);

    const Result<QByteArray> file = SerializeKushu(k);
    if (!file.ok())
        return;
    const Result<Kushu> built = ParseKushu(file.value());
    Check(built.ok() && built.value() == k);
}

void CheckComments(const QJsonValue& root) {
    const Result<QStringList> read = CommentsFromJson(root);
    if (!read.ok()) {
        Check(read.kind() == ErrorKind::BadContent && !read.error().isEmpty());
        return;
    }
    const QByteArray json = CommentsJsonText(read.value());
    const Result<QStringList> again = CommentsFromJson(RootOf(json));
    Check(again.ok() && again.value() == read.value() && CommentsJsonText(again.value()) == json);

    const Result<QByteArray> file = SerializeKanso(read.value());
    if (!file.ok())
        return;
    const std::optional<QStringList> built = ParseKansoBlocks(file.value());
    Check(built && *built == read.value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QJsonValue root =
        RootOf(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (root.isUndefined())
        return 0;
    CheckCollection(root);
    CheckComments(root);
    return 0;
}
