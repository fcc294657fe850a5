#pragma once

#include <QByteArray>

// Every pattern of the reach-me table as a spreadsheet: a header row, then
// one row per pattern ordered by left, center and right position, with its
// outcome code, group caption, commentary lines and cheer. UTF-8 with a
// byte-order mark and CRLF line ends, every text field quoted.
QByteArray reachMeTableCsv();

// What every pair of two stopped reels tells, both stop orders, as the core
// lists them (pairsCsv): UTF-8 with a byte-order mark, as the table's file.
QByteArray pairsCsvFile();
