// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Result.h"
#include "verse/Morae.h"

#include <QString>

#include <memory>

namespace yomiwa::verse {

// Counts the morae of verses by phrase. Readings of kanji come from MeCab with its IPA
// dictionary, loaded at the first count (that takes a while) and kept for the next ones. A
// counter keeps one analysis in progress, so it counts on one thread at a time: a second
// thread makes a counter of its own.
class MoraCounter {
public:
    // `dictionaryFolder`: the folder of a UTF-8 IPA dictionary; empty for the one MeCab's
    // configuration names (/etc/mecabrc, or the file the environment's MECABRC names).
    explicit MoraCounter(QString dictionaryFolder = {});
    ~MoraCounter();
    MoraCounter(const MoraCounter&) = delete;
    MoraCounter& operator=(const MoraCounter&) = delete;

    // The verse cut into the three phrases that come closest to 5, 7 and 5 morae (least
    // total difference; among equals the later second cut, then the later first cut). A
    // phrase begins only where a word that stands on its own begins, never at a particle, an
    // auxiliary, a suffix or a dependent word, nor inside a reading typed in the notation,
    // which counts in place of its base. NoDictionaryMessage() when there is no dictionary.
    Result<Metre> Count(const QString& verse);

private:
    struct Analyser;
    QString m_dictionaryFolder;
    std::unique_ptr<Analyser> m_analyser;
    bool m_loaded = false;
};

} // namespace yomiwa::verse
