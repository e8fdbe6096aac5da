#include "devices/qirel/qirel_editor.hpp"

// The Qirel editor is the no-parameter editor under its own class and Name; nothing to add.
