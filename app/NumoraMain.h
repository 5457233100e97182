#pragma once

#include <functional>

// The program: start-up step, the window and the event loop. whenPainted,
// when given, runs once the window has first painted itself (the start-up
// benchmark's mark).
int runNumora(int argc, char *argv[], const std::function<void()> &whenPainted = {});
