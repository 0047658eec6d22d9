#pragma once

// Everything a form's code uses, in one include.
#include "forms/color.h"
#include "forms/control_array.h"
#include "forms/events.h"
#include "forms/fonts.h"
#include "forms/form.h"
#include "forms/form_host.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/picture_box.h"
#include "forms/runtime_error.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/units.h"
#include "forms/user_control.h"
