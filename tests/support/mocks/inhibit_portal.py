'''The desktop portal's Inhibit for python3-dbusmock: Inhibit answers with the path of a
request object, whose Close call ends the inhibition; both calls are in the mocks' call logs
(the request's on its own path).'''

BUS_NAME = 'org.freedesktop.portal.Desktop'
MAIN_OBJ = '/org/freedesktop/portal/desktop'
MAIN_IFACE = 'org.freedesktop.portal.Inhibit'
SYSTEM_BUS = False


def load(mock, parameters):
    mock.next_request = 1
    mock.AddMethods(MAIN_IFACE, [
        ('Inhibit', 'sua{sv}', 'o', '''path = "/org/freedesktop/portal/desktop/request/1_1/t%d" % self.next_request
self.next_request += 1
self.AddObject(path, "org.freedesktop.portal.Request", {}, [("Close", "", "", "")])
ret = path
'''),
    ])
