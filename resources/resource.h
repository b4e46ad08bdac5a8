/* Resource identifiers, shared by vestrel.rc and the code that loads the
   resources. Plain defines: the resource compiler reads this file too. */
#ifndef VESTREL_RESOURCE_H
#define VESTREL_RESOURCE_H

/* The type libraries: the public one, and the automation objects handed
   out but never registered. */
#define IDR_TYPELIB_PUBLIC 1
#define IDR_TYPELIB_INTERNAL 2

/* The window icon. */
#define IDI_VESTREL 1

/* The caption images at rest and pressed, and the greyed maximise. */
#define IDB_CLOSE_UP 1
#define IDB_CLOSE_DOWN 2
#define IDB_MINIMISE_UP 3
#define IDB_MINIMISE_DOWN 4
#define IDB_HELP_UP 5
#define IDB_HELP_DOWN 6
#define IDB_MAXIMISE_GREY 7

/* The backgrounds of the checker and about windows, the about image. */
#define IDB_CHECKER_BACKGROUND 101
#define IDB_ABOUT_BACKGROUND 102
#define IDB_ABOUT_IMAGE 103

/* Every picture again, drawn for screens of 1.5 and 2 times 96 dpi, at its
   identifier plus these. */
#define IDB_DENSITY_150 1000
#define IDB_DENSITY_200 2000

#endif
