#pragma once

#include "excel/Variant.h"

// Starting and showing the spreadsheet application.

// Creates a new instance of "Excel.Application" from the class registry,
// assigns it to `app` and returns a copy. Never attaches to an instance that
// already exists. When it cannot be created, tells the user once, leaves
// `app` empty and returns an empty value; no error leaves this function.
Variant createExcelApplication(Variant& app);

// Makes the application of `app` visible.
void showExcelApplication(const Variant& app);
