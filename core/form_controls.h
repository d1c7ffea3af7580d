#pragma once
// Every control the Form carries, by the name the window gives its widget,
// with its design state (text, font, colour, visibility). The Form starts
// from this table, the screen scaling walks it and the window binds one
// widget to each row: a control left out is neither shown nor scaled.

#include "form.h"

#include <span>

struct FormControl {
    const char* name;
    Control Form::*member;
    Control design;
};

std::span<const FormControl> formControls();

// The editing buttons, shown and hidden together.
inline constexpr Control Form::*EditorButtons[] = {&Form::Henkou,  &Form::Tuika,     &Form::Sakujo,
                                                   &Form::Button2, &Form::NewMondai, &Form::Hozon,
                                                   &Form::Button6};
