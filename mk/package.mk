# `make package`: the Debian package (CPack, cmake/packaging.cmake) of a
# release build in its own folder, so the everyday build/ stays as it is.
PACKAGE_BUILD ?= $(BUILD)-package

# The package is useless without these; dpkg-shlibdeps must have found the Qt ones.
PACKAGE_NEEDS := libqt6widgets6 libqt6multimedia6 libqt6gui6 libqt6core6 \
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-liberation

.PHONY: package

package:
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target potoran potoran_data potoran_manual
	rm -f $(PACKAGE_BUILD)/potoran_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
	@deb=$$(ls $(PACKAGE_BUILD)/potoran_*.deb) && depends=$$(dpkg-deb -f "$$deb" Depends) && \
	for p in $(PACKAGE_NEEDS); do \
	  echo "$$depends" | grep -Eq "(^|, )$$p( |,|$$)" || { echo "$$deb does not depend on $$p" >&2; exit 1; }; \
	done && echo "Package: $$deb" && echo "Depends: $$depends"
