// The texts an alert shows for ^0 to ^3, for as long as the object lives.
#pragma once

#include <initializer_list>
#include <string>

class AlertParamsClass {
  public:
    // Each text longer than a parameter holds (255 bytes) is cut between two characters and
    // ends with an ellipsis; parameters not given are empty.
    explicit AlertParamsClass(std::initializer_list<std::string> texts);
    // Empties all four, so that no later alert shows them.
    ~AlertParamsClass();
    AlertParamsClass(const AlertParamsClass&) = delete;
    AlertParamsClass& operator=(const AlertParamsClass&) = delete;
};
