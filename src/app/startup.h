// Start-up and shutdown work that needs no window.
#pragma once

struct VERZE {
    int v1, v2, v3, v4;
};

// Program version, set at start-up.
extern VERZE verze;

// Prepares all global state; returns 1.
int Iniciace();

// Shutdown work; returns 1.
int Ukonceni();
