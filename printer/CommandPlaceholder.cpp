// Printer commands land here.
