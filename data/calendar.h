#pragma once

#include "model.h"

#include <QDate>
#include <QString>

namespace telvo {

// Weekday numbered 1 = Sunday .. 7 = Saturday; 0 for an invalid date.
int Day_Of_Week(QDate date);

// The week functions below run weeks Monday..Sunday when Monday_Is_Day_One is
// set, otherwise Sunday..Saturday.

// Date on which week 1 of the year begins; sets Jan1_Weekday and Weeks_In_Last_Year.
QDate First_Day_Of_Week1(Model &model, int year);

// Week number 1..53 (0 for an invalid date); sets Jan1_Weekday, Weeks_In_Last_Year
// and Week_In_Next_Year.
int Week_Number(Model &model, QDate date);

// First day of the week that the date opens, last day of the week it closes (period limits).
QDate First_Week_Day_At(const Model &model, int year, int month, int day);
QDate Last_Week_Day_At(const Model &model, int year, int month, int day);

// First and last day of quarter period 1..4 of a year; an invalid QDate for any other period.
QDate Period_First_Day(const Model &model, int year, int period);
QDate Period_Last_Day(const Model &model, int year, int period);

// Date of a "dd-mm-yyyy" text (day and month of one or two digits, a year of
// four); an invalid QDate for any other text and for days that do not exist.
QDate Date_Of_Text(const QString &text);

// "dd-mm-yyyy".
QString Date_Text(QDate date);

} // namespace telvo
