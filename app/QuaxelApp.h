#pragma once

// Starts the program: application title, main window, event loop. Optional
// arguments: a HEX file to load at start, and --screenshot FILE.png to render
// the window offscreen into a picture instead of running interactively, with
// --play-at MS the shown editor's playback pictured MS milliseconds in.
int runQuaxel(int argc, char *argv[]);
