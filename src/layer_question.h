// The fourth question: which layer code marks the sea. Asked by treatment once both files
// are open.
#pragma once

#include <cstddef>

/// Shows the menu until a valid choice is made and copies the chosen code into codigo.
void choose_layer(char* codigo);

// 11 characters of layer code and the terminating NUL.
inline constexpr std::size_t kLayerCodeSize = 12;
