#pragma once
// The GUI test driver: what a test program needs to start Velmora (or any
// program) and use its windows and the system's dialogs as a person would.
//
//   Wait.h           DriverError; every wait bounded and named
//   Files.h          temp folders, build-tree paths, whole files
//   Process.h        starting, waiting for and killing a program
//   Controls.h       finding windows and controls, text, buttons, close box
//   Keyboard.h       foreground, focus, real key presses and typing
//   MessageBoxes.h   reading and answering message boxes
//   FileDialogs.h    answering open and save dialogs
//   FolderBrowser.h  answering the folder browser
//   RemoteMemory.h   memory in another process for pointer messages
//   FileDrop.h       files dropped on a window as from Explorer
//   Standin.h        the stand-in pdftk's control file and log
//   Screenshot.h     a picture of the screen for a failing test
//   TextExtent.h     text measured in a given font, for fitted controls
//   Mouse.h          real mouse moves, clicks and drags
//   WindowFrame.h    hit-testing, the system menu, the move and size loop
#include "tools/driver/Controls.h"
#include "tools/driver/FileDialogs.h"
#include "tools/driver/FileDrop.h"
#include "tools/driver/Files.h"
#include "tools/driver/FolderBrowser.h"
#include "tools/driver/Keyboard.h"
#include "tools/driver/MessageBoxes.h"
#include "tools/driver/Process.h"
#include "tools/driver/RemoteMemory.h"
#include "tools/driver/Screenshot.h"
#include "tools/driver/Standin.h"
#include "tools/driver/TextExtent.h"
#include "tools/driver/Mouse.h"
#include "tools/driver/WindowFrame.h"
#include "tools/driver/Wait.h"
