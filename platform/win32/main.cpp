#include "platform/cwinapp.h"

// The program's entry point belongs to the layer, as it does in the class library.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return AfxWinMain();
}
