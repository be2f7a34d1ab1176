// The main window's printout: preparation, preview and print.
#include "app/Uglowna.h"

void TForm1::PrzygotujWydruk() {}
void TForm1::DrukujClick() {}
void TForm1::PodgladClick() {}
