#pragma once

#include <QString>

// Every line break of the text (CR LF, a lone CR or a lone LF) as one LF.
QString WithLineFeeds(QString text);
// The text's lines joined by a blank, for a place that shows one line.
QString OnOneLine(const QString &text);
