// Resource identifiers the window loads from the program that links it (app/Install.rc).
#pragma once

#define IDI_APP 1
