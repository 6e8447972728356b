// Filled when the display control libraries are placed.
