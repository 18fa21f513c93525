// The tests read the shell's state through its Eval method and take screenshots of it, which
// the shell allows only in its unsafe mode. The shell tells of that mode in a banner unless its
// own console is open: it is made to look open for that moment. What the shell tells at its
// start (a session of root's, say) is taken away, so the tests' banners come first, and the
// tests want the desktop, not the overview the shell starts in.
const { GLib } = imports.gi;
const Main = imports.ui.main;

function toTheDesktop() {
    GLib.idle_add(GLib.PRIORITY_DEFAULT_IDLE, () => {
        Main.messageTray.getSources().forEach(source => source.destroy());
        Main.overview.hide();
        // What the session script waits for before it lets the tests in.
        Main.testsMayBegin = true;
        return GLib.SOURCE_REMOVE;
    });
}

function init() {
}

function enable() {
    const console = Main.lookingGlass;
    Main.lookingGlass = { isOpen: true };
    global.context.unsafe_mode = true;
    Main.lookingGlass = console;
    if (Main.layoutManager._startingUp)
        Main.layoutManager.connect('startup-complete', toTheDesktop);
    else
        toTheDesktop();
}

function disable() {
    global.context.unsafe_mode = false;
}
