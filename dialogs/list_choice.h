#pragma once

#include <QDate>

#include <functional>

class QListWidget;

namespace telvo {

// The month and period pickers offer the years 1990 up to the year after
// today, so the current year can always be chosen and no year outside the
// list is ever stored.
inline constexpr int First_Picker_Year = 1990;
int Last_Picker_Year(QDate today);

// Where the pickers take today's date from; tests fix it.
using Today_Function = std::function<QDate()>;

// Refills the list with First_Picker_Year .. last_year (one item per year)
// when it does not hold exactly those years yet.
void Fill_Year_List(QListWidget *list, int last_year);
// Selects the item of the year, or nothing when the year is not listed.
void Select_Year(QListWidget *list, int year);
// The selected year; 0 when none is selected.
int Selected_Year(const QListWidget *list);

// Sizes the list to show the given number of rows at the width of its widest
// item, with room for a scroll bar when it holds more rows than that.
void Fit_List(QListWidget *list, int visible_rows);

// Selects the item at the position (from 0), or nothing for a position outside the list.
void Select_Position(QListWidget *list, int position);
// The position of the selected item; -1 when none is selected.
int Selected_Position(const QListWidget *list);

} // namespace telvo
