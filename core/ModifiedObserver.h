#pragma once

#include <functional>

// Told each time the process-wide modified flag of the open database is set (with its new
// value), so that a window can show unsaved changes. One observer at a time; an empty one
// stops the telling.
void setModifiedObserver(std::function<void(bool modified)> observer);
