#pragma once

#include "platform/Exceptions.h"

// A setting of the chart, a series or a title was refused.
class ChartException : public KyvadloError {
public:
    using KyvadloError::KyvadloError;
};

// An axis setting was refused.
class AxisException : public KyvadloError {
public:
    using KyvadloError::KyvadloError;
};
