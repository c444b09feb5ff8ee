# The window's pictures, each under the name its row of the control table
# gives it ("logo"): the drawing at 1x (GIF), the same twice as large for
# high-density screens (@2x.png), and for a picture drawn dark, a light
# variant of both for dark backgrounds (-svetle). Every edition builds in
# these files from this one list, and the window's logic chooses among them
# (SouborObrazku).
set(VENTIL_OBRAZKY
    ventil.gif ventil@2x.png
    logo.gif logo@2x.png logo-svetle.gif logo-svetle@2x.png
)
