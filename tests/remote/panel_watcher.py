#!/usr/bin/python3
# A stand-in for the panel's StatusNotifierWatcher on the test's private session bus: it says
# a panel is there, records each status icon that registers, and each NewIcon and NewToolTip
# an icon sends, one JSON line each on standard output.
import json
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

WATCHER = "org.kde.StatusNotifierWatcher"
ITEM = "org.kde.StatusNotifierItem"
PROPERTIES = "org.freedesktop.DBus.Properties"
# Qt reads the watcher's properties through its introspection, so they are declared there.
INTROSPECTION = f"""<node>
 <interface name="{WATCHER}">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
 </interface>
 <interface name="{PROPERTIES}">
  <method name="Get"><arg type="s" direction="in"/><arg type="s" direction="in"/>
   <arg type="v" direction="out"/></method>
  <method name="GetAll"><arg type="s" direction="in"/><arg type="a{{sv}}" direction="out"/></method>
 </interface>
</node>"""


def report(**event):
    print(json.dumps(event), flush=True)


class Watcher(dbus.service.Object):
    def __init__(self, bus):
        self.items = []
        super().__init__(dbus.service.BusName(WATCHER, bus), "/StatusNotifierWatcher")

    @dbus.service.method(WATCHER, in_signature="s", sender_keyword="sender")
    def RegisterStatusNotifierItem(self, service, sender=None):
        # A path alone names an item of the caller's; a name, an item at the usual path.
        name, path = (sender, service) if service.startswith("/") else (service, "/StatusNotifierItem")
        self.items.append(name + path)
        report(registered=name, path=path)

    @dbus.service.method("org.freedesktop.DBus.Introspectable", out_signature="s")
    def Introspect(self):
        return INTROSPECTION

    @dbus.service.method(PROPERTIES, in_signature="ss", out_signature="v")
    def Get(self, interface, name):
        return self.GetAll(interface)[name]

    @dbus.service.method(PROPERTIES, in_signature="s", out_signature="a{sv}")
    def GetAll(self, interface):
        return {"RegisteredStatusNotifierItems": dbus.Array(self.items, signature="s"),
                "IsStatusNotifierHostRegistered": True,
                "ProtocolVersion": dbus.Int32(0)}


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    watcher = Watcher(bus)
    for signal in ("NewIcon", "NewToolTip"):
        bus.add_signal_receiver(lambda signal=signal, **_: report(signal=signal),
                                signal_name=signal, dbus_interface=ITEM)
    report(ready=True)
    GLib.MainLoop().run()
    del watcher


if __name__ == "__main__":
    sys.exit(main())
