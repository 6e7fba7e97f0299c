// Julian days and the calendar.
#include "time/Calendar.h"
