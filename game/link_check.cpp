// Nothing of its own: the layer link checks (game/CMakeLists.txt) link a whole
// layer library into a module around this file.
