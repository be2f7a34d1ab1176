#pragma once

// Whether the desktop has a notification area for the program's icon. Read in
// this one place so tests can give the answer they need.
bool JestObszarPowiadomien();
// 1: there is one, 0: there is none, -1: ask the desktop again.
void UstawObszarPowiadomien(int jest);
