// A portable core file that includes a Windows header.
#include <Windows.h>
