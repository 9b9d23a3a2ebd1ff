#pragma once

#include "data/day_view.h"
#include "data/row_selection.h"
#include "data/week_qf_view.h"
#include "data/week_view.h"

#include <QByteArray>
#include <QString>

namespace telvo {

// The EXP files of the six tables: Windows-1252, CR LF, comma-separated,
// built from what the views last computed and showed. The week writers take
// the model writable because week numbers update its week-number state.
QByteArray Day_Tabel_Bytes(const Model &model, const Row_Selections &rows, const Day_Table_Texts &table);
QByteArray Week_Tabel_Bytes(Model &model, const Row_Selections &rows, const Week_Table_Texts &table);
QByteArray WeekQF_Tabel_Bytes(Model &model, const Row_Selections &rows, const Week_QF_Table_Texts &table);
QByteArray Month_Tabel_Bytes(const Model &model, const Row_Selections &rows);
QByteArray Quart_Tabel_Bytes(const Model &model, const Row_Selections &rows);
QByteArray Statistics_Tabel_Bytes(const Model &model);

// Writes bytes to a file atomically: on failure nothing replaces a previous
// file and the reason is returned.
bool Write_File_Atomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Each writes its table to the file; false with the reason when the file
// cannot be written, leaving any previous file as it was.
bool Day_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows,
                      const Day_Table_Texts &table, QString *error = nullptr);
bool Week_Tabel_Export(const QString &path, Model &model, const Row_Selections &rows,
                       const Week_Table_Texts &table, QString *error = nullptr);
bool WeekQF_Tabel_Export(const QString &path, Model &model, const Row_Selections &rows,
                         const Week_QF_Table_Texts &table, QString *error = nullptr);
bool Month_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows,
                        QString *error = nullptr);
bool Quart_Tabel_Export(const QString &path, const Model &model, const Row_Selections &rows,
                        QString *error = nullptr);
bool Statistics_Tabel_Export(const QString &path, const Model &model, QString *error = nullptr);

} // namespace telvo
