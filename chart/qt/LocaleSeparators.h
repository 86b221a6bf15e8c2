#pragma once

#include "chart/NumberFormat.h"

class QLocale;

// The separators a chart writes numbers with, as a locale has them: its
// decimal and group separators, "." and "," standing in for one that is not
// a single character.
TNumberSeparators NumberSeparatorsOf(const QLocale& locale);
