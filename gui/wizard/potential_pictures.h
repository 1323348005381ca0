// Pictures that the wizard draws for itself: the shapes of the binding
// potentials on the potential buttons, and the welcome page's picture.
#pragma once

#include <QPixmap>
#include <QSize>

enum class potential_shape { square_well, square_barrier, step, soft_core_atom, none };

// The potential's curve V(x) over a light background with the x = 0 and
// V = 0 axes.
QPixmap potential_picture(potential_shape shape, QSize size);

// A wave packet in a potential well under the Schrödinger equation.
QPixmap welcome_picture(QSize size);
