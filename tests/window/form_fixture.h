#pragma once
// Shared pieces of the window tests: a shown Form1 and a record of
// everything a user can see of it.

#include <QLineEdit>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTest>
#include <memory>

#include "form1.h"

// Builds the window as the program does and shows it offscreen.
std::unique_ptr<Form1> OpenForm();

// Every control's visibility, text, selection and colour, the scroll bar,
// Rval and the focus, as one comparable map.
QMap<QString, QString> VisibleState(const Form1& form);

// Names of the controls on show (isVisible), for readable failures.
bool Shown(const Form1& form, const char* name);
QString Text(const Form1& form, const char* name);

// Clicks a control where a user would: in its middle.
void Click(Form1& form, const char* name);

// Replaces the text of a box as a user would, by selecting all and typing.
void Type(Form1& form, const char* name, const QString& text);

// The 24-bit colour of the window's pixel at (x, y), from a grab.
QRgb PixelAt(Form1& form, int x, int y);
